#pragma once
// The structure editor of every page's structure window. It rebuilds its list from the edited lines
// under the list's rules.

#include "engine/RunResults.h"
#include "ui/lists/ListEditorWindow.h"

namespace dirforge::platform {
class DriveMap;
class Prompt;
} // namespace dirforge::platform

namespace dirforge::ui {

class NameListModel;

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

} // namespace dirforge::ui
