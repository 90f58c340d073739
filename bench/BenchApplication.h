#pragma once
// The QApplication the window benchmarks need, created once on the offscreen platform, and the
// window seams that keep every dialog out of the measurement.

#include "platform/FolderPicker.h"
#include "ui/seams/ModalRunner.h"

#include <QApplication>

#include <string>

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
    // Never destroyed: as a static it would be torn down after Qt's own statics at exit (the
    // input devices it owns then crash in their destructors).
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

/// A folder picker that is never asked: the benchmarks set their destinations directly.
class NoPicker : public platform::FolderPicker {
public:
    std::string browseForFolder(const std::string&, const std::string&) override { return {}; }
};

/// Accepts every modal window (the level summary) without showing it.
class AcceptingRunner : public ui::ModalRunner {
public:
    int run(QDialog&) override { return 1; }
};

} // namespace dirforge::bench
