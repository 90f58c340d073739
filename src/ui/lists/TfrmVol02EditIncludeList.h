#pragma once
// The strings page's INCLUDE editor. It rebuilds its list from the edited lines under the list's
// rules.

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

} // namespace dirforge::ui
