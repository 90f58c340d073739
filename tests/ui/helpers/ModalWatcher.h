#pragma once
// Acts on the next modal window (a message box or a dialog run with exec()) while the code under
// test waits for it. Arm it before the call that shows the window:
//
//     ModalWatcher watcher([](QWidget* modal) { ... inspect, then close or click ... });
//     prompt.show(...);                  // returns once the action closed the box
//     QVERIFY(watcher.fired());

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace dirforge::testing {

class ModalWatcher : public QObject {
    Q_OBJECT
public:
    /// Starts polling for a modal window; action runs once, on the first one that appears.
    explicit ModalWatcher(std::function<void(QWidget*)> action, int pollMs = 10);

    bool fired() const { return fired_; }
    /// The objectName and class of the window the action ran on ("" before).
    QString seen() const { return seen_; }

private:
    void poll();

    std::function<void(QWidget*)> action_;
    QTimer timer_;
    bool fired_ = false;
    QString seen_;
};

} // namespace dirforge::testing
