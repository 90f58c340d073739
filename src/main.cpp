// Program entry: the Qt application, the composition root with every window, the message loop.
#include "ui/AppContext.h"
#include "ui/GuardedApplication.h"
#include "ui/TfrmMain.h"
#include "ui/WindowStyle.h"

#include <exception>

int main(int argc, char** argv) {
    dirforge::ui::GuardedApplication app(argc, argv);
    app.setFont(dirforge::ui::DefaultFont());
    try {
        dirforge::ui::AppContext context;
        app.setPrompt(&context.prompt());
        context.mainWindow().show();
        const int exitCode = app.exec();
        app.setPrompt(nullptr);
        return exitCode;
    } catch (...) {
        // Start-up or the loop itself failed: say why, then end.
        app.setPrompt(nullptr);
        dirforge::ui::GuardedApplication::ReportException(nullptr, std::current_exception());
        return 1;
    }
}
