#pragma once
// The worked examples of the three creation pages: one row per examples window with its names,
// captions and fixed sample texts. Nothing here is computed from a disk or a run; the window
// only shows these texts.

#include "engine/PageKind.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace dirforge::ui {

/// The attach options of an examples window. The last four are the structure variants.
enum class ExampleOption {
    Templates,
    Structures,
    Nothing,
    MainFolders,
    SubFoldersOnly,
    MainFoldersWithFiles,
    SubFoldersOnlyWithFiles,
};

inline constexpr std::size_t kExampleOptionCount = 7;

/// The options in the order of the enum.
inline constexpr std::array<ExampleOption, kExampleOptionCount> kAllExampleOptions = {
    ExampleOption::Templates,
    ExampleOption::Structures,
    ExampleOption::Nothing,
    ExampleOption::MainFolders,
    ExampleOption::SubFoldersOnly,
    ExampleOption::MainFoldersWithFiles,
    ExampleOption::SubFoldersOnlyWithFiles,
};

/// True for the four options that choose how an existing structure is copied.
constexpr bool IsStructureVariant(ExampleOption option) {
    return option != ExampleOption::Templates && option != ExampleOption::Structures &&
           option != ExampleOption::Nothing;
}

/// A radio button of an examples window: its objectName and caption.
struct ExampleRadio {
    const char* name;
    const char* caption;
};

/// One examples window.
struct ExamplesPage {
    engine::PageKind page;
    const char* windowName; // objectName of the window: TfrmDriveSelect, ...
    const char* caption;    // window title
    const char* infix;      // in the names of the other controls: ExCrStrings, ExCrFolders, ExCrInc
    const char* note;       // "You can test different options ..." with or without its final period
    std::array<ExampleRadio, kExampleOptionCount> radios; // by ExampleOption
    const char* destination;                              // nullptr: the page has no destination
    const char* listCaption;           // nullptr: a number range instead of a list
    std::array<const char*, 2> inputs; // list entries A and B, or start and stop
    const char* prefix;
    const char* suffix;
    std::array<const char*, 2> createdFolders; // N for A and B
    const char* emailsFolder; // the subfolder of e:\Marketing: "Emails" or "E-mails"
};

/// The two choices an examples window can show beside its attach option. With fillExisting the
/// first list entry's folder is taken to exist already, holding what its first result line
/// names; with tokens the templates name {item} and {name} ({name} alone on the paths page, whose
/// entries are whole paths that no folder name may hold).
struct ExampleChoices {
    bool fillExisting = false;
    bool tokens = false;
};

/// The captions of the examples' two choice boxes and the note that explains their sample.
inline constexpr const char* kExampleFillExistingCaption =
    "Also complete folders that already exist.";
inline constexpr const char* kExampleTokensCaption =
    "Replace {name} and {date} in names and structures.";
inline constexpr const char* kExampleChoicesNote =
    "With the first box the first entry's folder is taken to exist already, holding its first "
    "line: only what it lacks is made. With the second the templates use {item} and {name}.";

/// The examples window of the page.
const ExamplesPage& ExamplesPageOf(engine::PageKind page);

/// The templates shown in the structure window for the template option.
const std::vector<std::string>& ExampleTemplates();
/// The existing structures shown for every other option.
const std::vector<std::string>& ExampleStructures();
/// What the structure window shows under option.
const std::vector<std::string>&
ExampleStructureInputs(ExampleOption option, ExampleChoices choices = {},
                       engine::PageKind page = engine::PageKind::Strings);

/// The result list under option: the lines for created folder A, then those for B.
std::vector<std::string> ExampleResultLines(const ExamplesPage& page, ExampleOption option,
                                            ExampleChoices choices = {});

} // namespace dirforge::ui
