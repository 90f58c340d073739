#pragma once
// A page's settings records in the engine's terms: the attach radios as one AttachMode and one
// CopyVariant, the framing, the structure window and the two "Show" boxes. The window and the
// batch front end read and write a page's set-up through these.

#include "engine/RunRequest.h"
#include "settings/SettingsStore.h"

#include <string>
#include <vector>

namespace dirforge::settings {

/// What the three pages' settings have in common.
struct PageChoices {
    std::string prefix;
    std::string suffix;
    bool hyphen = false;
    engine::AttachMode mode = engine::AttachMode::Existing;
    engine::CopyVariant variant = engine::CopyVariant::MainFolderWithoutFiles;
    std::vector<std::string> structures;
    bool showVisualLog = true;
    bool showExplorer = true; ///< the paths page has no such box and keeps this true
    /// The choices kept in profiles only: completing existing folders, replacing tokens.
    bool fillExisting = false;
    bool tokens = false;

    bool operator==(const PageChoices&) const = default;
};

PageChoices ChoicesOf(const StringsPageSettings& page);
PageChoices ChoicesOf(const PathsPageSettings& page);
PageChoices ChoicesOf(const NumbersPageSettings& page);

/// Writes choices into a page's records: exactly one attach-mode and one copy-variant radio set.
void StoreChoices(const PageChoices& choices, StringsPageSettings& page);
void StoreChoices(const PageChoices& choices, PathsPageSettings& page);
void StoreChoices(const PageChoices& choices, NumbersPageSettings& page);

/// The destination a page's set-up names: the text of its destination box, else "".
std::string SavedDestination(const std::string& boxText);

} // namespace dirforge::settings
