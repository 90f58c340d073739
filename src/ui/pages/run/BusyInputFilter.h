#pragma once
// The one input a long work on the UI thread lets through: Stop (its button, or Escape anywhere
// outside a message box). Everything else the user does meanwhile is dropped.

#include <QObject>

namespace dirforge::ui {

class RunProgressRow;

/// While installed on the application: drops user input except Stop; message boxes shown
/// during the work (they are modal) take input as usual.
class BusyInputFilter : public QObject {
    Q_OBJECT
public:
    explicit BusyInputFilter(RunProgressRow& row);
    ~BusyInputFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RunProgressRow& row_;
};

} // namespace dirforge::ui
