#pragma once
// The four list editors: each rebuilds its list from the edited lines under the list's rules.

#include "engine/RunResults.h"
#include "ui/lists/ListEditorWindow.h"

namespace dirforge::platform {
class DriveMap;
class Prompt;
} // namespace dirforge::platform

namespace dirforge::ui {

class NameListModel;

/// "Edit the include List of strings": names without drive or relative-path characters.
class TfrmVol02EditIncludeList : public ListEditorWindow {
    Q_OBJECT
public:
    TfrmVol02EditIncludeList(NameListModel& include, const NameListModel& exclude,
                             ModalRunner& runner, QWidget* parent = nullptr);

protected:
    bool acceptLines(const std::vector<std::string>& lines) override;

private:
    NameListModel& include_;
    const NameListModel& exclude_;
};

/// "Edit the Include Folder List.": full paths (host paths taken in drive form); a text with an
/// invalid path is refused whole.
class TfrmVol04EditIncludeList : public ListEditorWindow {
    Q_OBJECT
public:
    TfrmVol04EditIncludeList(NameListModel& include, const NameListModel& exclude,
                             const platform::DriveMap& drives, platform::Prompt& prompt,
                             ModalRunner& runner, QWidget* parent = nullptr);

protected:
    bool acceptLines(const std::vector<std::string>& lines) override;

private:
    NameListModel& include_;
    const NameListModel& exclude_;
    const platform::DriveMap& drives_;
    platform::Prompt& prompt_;
};

/// Which page's structure window the structure editor works on, and how it checks lines.
struct StructureEditTarget {
    NameListModel* structures = nullptr;
    engine::AttachMode mode = engine::AttachMode::Nothing;
    std::string relativeTitle; ///< warning title of a failed relative-path check
    std::string fullTitle;     ///< warning title of a failed full-path check
};

/// "Edit ": the structure window of a page; relative or full paths by the page's mode (full paths
/// may be host paths, taken in drive form).
class TfrmFolderStructuresTemplates : public ListEditorWindow {
    Q_OBJECT
public:
    TfrmFolderStructuresTemplates(const platform::DriveMap& drives, platform::Prompt& prompt,
                                  ModalRunner& runner, QWidget* parent = nullptr);
    /// Edits target's structure window; true when it was rebuilt (closed with OK).
    bool editStructures(const StructureEditTarget& target);

protected:
    bool acceptLines(const std::vector<std::string>& lines) override;

private:
    const platform::DriveMap& drives_;
    platform::Prompt& prompt_;
    StructureEditTarget target_;
};

/// Full-path lines in drive form: host paths and drive paths with forward slashes converted. False
/// (after the mapped-drives warning) when a host path lies on no mapped drive.
bool FullPathLinesToDrive(std::vector<std::string>& lines, const platform::DriveMap& drives,
                          platform::Prompt& prompt);

/// The most entries the import preview takes from its editor.
inline constexpr std::size_t PreviewEditorLimit = 30000;

/// "Edit the content of the Import Window.": the smart import preview, at most 30 000 entries.
class TfrmEditSmartImport : public ListEditorWindow {
    Q_OBJECT
public:
    TfrmEditSmartImport(NameListModel& preview, platform::Prompt& prompt, ModalRunner& runner,
                        QWidget* parent = nullptr);

protected:
    bool acceptLines(const std::vector<std::string>& lines) override;

private:
    NameListModel& preview_;
    platform::Prompt& prompt_;
};

} // namespace dirforge::ui
