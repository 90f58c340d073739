#pragma once
// The editor of the smart import's preview. It rebuilds its list from the edited lines under the
// list's rules.

#include "ui/lists/ListEditorWindow.h"
#include <cstddef>

namespace dirforge::platform {
class DriveMap;
class Prompt;
} // namespace dirforge::platform

namespace dirforge::ui {

class NameListModel;

/// The most entries the import preview takes from its editor.
inline constexpr std::size_t kPreviewEditorLimit = 30000;

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
