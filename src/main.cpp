// Program entry: the Qt application, the composition root with every window, the message loop.
#include "DirforgeVersion.h"
#include "platform/ProgramHome.h"
#include "ui/app/AppContext.h"
#include "ui/app/GuardedApplication.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/WindowStyle.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

constexpr const char* kUsage =
    "Usage: dirforge [--help] [--version] [Qt options such as -platform NAME]\n"
    "\n"
    "Creates many folders at once from names, full paths or number ranges, in one window.\n"
    "\n"
    "Its own files (default.set and the WorkingDir folders) are kept in $DIRFORGE_HOME when\n"
    "set, else in $XDG_DATA_HOME/dirforge, else in ~/.local/share/dirforge.\n"
    "Drive letters beyond c: (which is /) come from DIRFORGE_DRIVES, e.g. 'f=/srv/data'.\n";

/// Answers --help and --version without a display; true when the program should end.
bool AnswerInformationOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "dirforge " << dirforge::kVersion << '\n';
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (AnswerInformationOption(argc, argv))
        return 0;
    dirforge::ui::GuardedApplication app(argc, argv);
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
