#pragma once
// The QApplication the window benchmarks need, created once on the offscreen platform.

#include <QApplication>

namespace dirforge::bench {

/// The running QApplication, created on first use (offscreen unless QT_QPA_PLATFORM is set).
inline QApplication& EnsureApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *app;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "dirforge_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

} // namespace dirforge::bench
