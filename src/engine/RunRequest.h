#pragma once
// What a page hands to a run: its names (or its number range), destination, framing, attach
// choice and structures; and what the run hands back.

#include "engine/PageKind.h"
#include "engine/RunResults.h"
#include "engine/TemplateOptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dirforge::engine {

/// The numbers page's range: the stored values (checked before the run) and the field texts
/// (read again when the run starts, as the page does).
struct NumberRange {
    std::int32_t startNumber = 1;
    std::int32_t endNumber = 1;
    std::string startText = "1";
    std::string endText = "1";
    bool paddedZeroes = false;
    /// "Add Increased Numbers as Suffixes to Subfolders." (text templates only).
    bool addNumbersToSubfolders = false;
};

/// Everything one run of a page reads from the page.
struct RunRequest {
    PageKind page = PageKind::Strings;
    /// INCLUDE entries of the strings and paths pages, in list order, held by the request.
    std::vector<std::string> names;
    /// The same entries read in place from a list that outlives the run (a page's own list), so
    /// a million names are not copied; when set, names is not read.
    const std::vector<std::string>* listNames = nullptr;
    /// The numbers page's range (other pages ignore it).
    NumberRange numbers;
    /// Destination folder as selected (strings and numbers pages).
    std::string destination;
    std::string prefix;
    std::string suffix;
    bool hyphen = false;
    AttachMode attachMode = AttachMode::Existing;
    /// Whether the checked attach radio is enabled; a disabled one attaches nothing.
    bool attachRadioEnabled = true;
    CopyVariant copyVariant = CopyVariant::MainFolderWithoutFiles;
    /// The structure window: structure folders (Existing) or template lines (TextTemplates).
    std::vector<std::string> structureLines;
    bool showVisualLog = true;
    /// "Show Explorer": open the destination when the run ends (the paths page has none).
    bool showExplorer = true;
    /// "Also complete folders that already exist.": an existing target still counts as existing
    /// and receives the structure too, each missing part made, nothing there touched.
    bool fillExisting = false;
    /// "Replace {name} and {date} in names and structures." (TokenExpander).
    bool tokens = false;
    /// The run's date as yyyy-mm-dd for {date}; empty: today's local date when the run starts.
    std::string runDate;
    /// The application's template options; a missing page reads as the default record.
    const MAP_FOLDER_TEMPLATE_OPTIONS* templateOptions = nullptr;

    /// The entries the run goes through: listNames when set, else names.
    const std::vector<std::string>& nameList() const {
        return listNames != nullptr ? *listNames : names;
    }
    /// The mode the run attaches with: a disabled radio counts as Attach Nothing.
    AttachMode effectiveMode() const {
        return attachRadioEnabled ? attachMode : AttachMode::Nothing;
    }
    bool copiesFiles() const {
        return effectiveMode() == AttachMode::Existing && CopiesFiles(copyVariant);
    }
};

/// How a run ended: refused before its question was answered Yes, carried out, or stopped by
/// the user after some of its items (everything made until then is recorded).
enum class RunEnd { Refused, Completed, Stopped };

/// Which control the page should focus after a refusal.
enum class RunFocus { None, AddStructure, EndNumber };

/// What a run reports back to its page.
struct RunOutcome {
    RunEnd end = RunEnd::Refused;
    RunFocus focus = RunFocus::None;
    /// The page moves its destination to the top of its history (UpdateDestinationHistory).
    bool updateHistory = false;
    /// Not empty when the undo journal could not be written and the run was stopped for it: the
    /// front end shows it after the run's end message.
    std::string journalError;
};

} // namespace dirforge::engine
