#pragma once
// The mode label at the top of a visual log: which kind of run its results belong to.

class QLabel;

namespace dirforge::ui {

/// realRun: "Folder/File Creation Process.", else "Simulate the Folder/File Creation Process.";
/// dark red, centred.
void ShowRunModeLabel(QLabel& label, bool realRun);

} // namespace dirforge::ui
