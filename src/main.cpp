// Program entry: the Qt application, the composition root with every window, the message loop.
#include "platform/ProgramHome.h"
#include "ui/app/AppContext.h"
#include "ui/app/GuardedApplication.h"
#include "ui/app/StartArguments.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/WindowStyle.h"

#include <QStringList>
#include <QTimer>

#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    using dirforge::ui::StartArguments;
    // --help and --version are answered without a display.
    const StartArguments information =
        dirforge::ui::ReadInformationArguments(Arguments(argc, argv));
    if (information.outcome == StartArguments::Outcome::Answered) {
        std::cout << information.message;
        return 0;
    }
    dirforge::ui::GuardedApplication app(argc, argv);
    // The application has taken Qt's own options; the rest are the program's, read before the
    // program enters its own folder so that relative paths are the user's.
    const StartArguments start = dirforge::ui::ReadStartArguments(
        QCoreApplication::arguments(), dirforge::platform::DriveMap::fromEnvironment());
    if (start.outcome != StartArguments::Outcome::Start) {
        (start.outcome == StartArguments::Outcome::Refused ? std::cerr : std::cout)
            << start.message;
        return start.outcome == StartArguments::Outcome::Refused ? 2 : 0;
    }
    app.setFont(dirforge::ui::DefaultFont());
    try {
        // The program's own folder becomes the current folder, so the startup folder is there.
        std::string error;
        if (!dirforge::platform::EnterProgramHome(dirforge::platform::ProgramHomeFolder(), error)) {
            std::cerr << "dirforge: " << error << '\n';
            throw std::runtime_error(error);
        }
        dirforge::ui::AppContext context;
        app.setPrompt(&context.prompt());
        context.mainWindow().show();
        QTimer::singleShot(0, &context.mainWindow(),
                           [&context, &start] { ApplyStartArguments(context, start.paths); });
        const int exitCode = app.exec();
        app.setPrompt(nullptr);
        return exitCode;
    } catch (...) {
        // Start-up or the loop itself failed: say why, then end.
        app.setPrompt(nullptr);
        dirforge::ui::GuardedApplication::reportException(nullptr, std::current_exception());
        return 1;
    }
}
