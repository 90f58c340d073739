#pragma once
// The three pages' visual logs and zoom windows are twins: one table row per page holds what
// differs (names, captions, warning titles); one table per result list holds what is shared.

#include "engine/PageKind.h"
#include "engine/RunResults.h"

#include <array>
#include <string>

namespace dirforge::ui {

/// What differs between the strings, paths and increased-numbers pages' logs.
struct VisualLogTwin {
    engine::PageKind page; // its infixes (ui/PageInfixes.h) are in the log's control names
    const char* logClass;  // objectName of the log window
    const char* caption;
    const char* modeLabelInitial;
    const char* modeBoxCaption;
    std::array<const char*, 3> rowLabels; // folders, subfolders, files (bytes is shared)
    const char* toCreateColumn;
    const char* otherColumn;
    const char* notCreatedGroup;
    const char* warningArea; // "Creating Folder(s).-From a String List."
    int firstExportWarning;  // number of the created-folders warning; the others follow
    const char* failedUndoTitle;
    const char* selectorGroup;
    const char* otherSelector;
};

/// What is the same on every page for one of the six result lists.
struct ResultListTwin {
    engine::ResultList list;
    const char* listSuffix;   // lstStat02<suffix>
    const char* caption;      // label above the list in the log
    const char* exportSuffix; // btnStat02<suffix>
    const char* exportHint;
    const char* zoomSuffix; // btnStat02<suffix>
    const char* zoomHint;
    const char* zoomListSuffix;  // lstVol02ZoomStatistics<suffix>, lblVol02ZoomStatistics<suffix>
    const char* zoomTitle;       // title label in the zoom window (failed undo: per page)
    const char* selectorCaption; // hidden radio button (other reasons: per page)
    const char* emptyWarning;    // shown by Export on an empty list
};

/// The page's "Stat02" infix: the log's value labels, lists and buttons.
const char* StatInfix(const VisualLogTwin& twin);
/// The page's "Vol02" infix: the log's mode label and the zoom window's controls.
const char* VolInfix(const VisualLogTwin& twin);
/// objectName of the zoom window: TfrmVol02ZoomStatistics.
std::string ZoomWindowName(const VisualLogTwin& twin);

/// The row of a page.
const VisualLogTwin& VisualLogTwinFor(engine::PageKind page);
/// The row of a result list, in the log's order.
const ResultListTwin& ResultListTwinFor(engine::ResultList list);

/// "lbl" + the page's Stat infix + row + column, e.g. lblStat02FilesSizeExists.
std::string CounterLabelName(const VisualLogTwin& twin, engine::CounterRow row,
                             engine::CounterColumn column);
/// The zoom window's title for a list on a page (the failed-undo title differs per page).
const char* ZoomTitleFor(const VisualLogTwin& twin, engine::ResultList list);
/// The zoom selector's caption for a list on a page (the other-reasons caption differs per page).
const char* SelectorCaptionFor(const VisualLogTwin& twin, engine::ResultList list);
/// Title of the empty-list warning of Export: area, blanks, "Warning no: " and the number.
std::string ExportWarningTitle(const VisualLogTwin& twin, engine::ResultList list);

/// Row captions of the statistics grid: three per page plus the shared bytes row.
inline constexpr const char* kBytesRowLabel = "Total File size (bytes)";
inline constexpr const char* kCreatedColumn = "Successfully created:";
inline constexpr const char* kExistsColumn = "NOT created (already exists):";
/// Horizontal scroll extent of every result list, in the log and in the zoom window.
inline constexpr int kResultListExtent = 3000;

} // namespace dirforge::ui
