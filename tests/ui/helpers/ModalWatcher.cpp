#include "helpers/ModalWatcher.h"

#include <QApplication>

namespace dirforge::testing {

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> action, int pollMs)
    : action_(std::move(action)) {
    timer_.setInterval(pollMs);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start();
}

void ModalWatcher::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    timer_.stop();
    fired_ = true;
    seen_ = QStringLiteral("%1 (%2)").arg(modal->objectName(),
                                          QString::fromLatin1(modal->metaObject()->className()));
    action_(modal);
}

} // namespace dirforge::testing
