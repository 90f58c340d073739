#include "ui/results/RunModeLabel.h"

#include "ui/common/WindowStyle.h"

#include <QLabel>
#include <QPalette>

namespace dirforge::ui {

void ShowRunModeLabel(QLabel& label, bool realRun) {
    label.setText(realRun ? QStringLiteral("Folder/File Creation Process.")
                          : QStringLiteral("Simulate the Folder/File Creation Process."));
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ColorFromValue(kColorDarkRed));
    label.setPalette(palette);
    label.setAlignment(Qt::AlignCenter);
}

} // namespace dirforge::ui
