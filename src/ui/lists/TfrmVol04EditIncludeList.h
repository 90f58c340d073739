#pragma once
// The paths page's INCLUDE editor. It rebuilds its list from the edited lines under the list's
// rules.

#include "ui/lists/ListEditorWindow.h"

namespace dirforge::platform {
class DriveMap;
class Prompt;
} // namespace dirforge::platform

namespace dirforge::ui {

class NameListModel;

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

} // namespace dirforge::ui
