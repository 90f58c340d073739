#pragma once
// The about window: product name, version and what the program does.

#include <QDialog>

namespace dirforge::ui {

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

} // namespace dirforge::ui
