#pragma once
// The program started in a fresh current folder on temporary drives f: and g:, with every desktop
// seam scripted, for tests that drive its windows and pages through their controls.

#include "helpers/ScriptedModalRunner.h"
#include "helpers/ScriptedSeams.h"
#include "helpers/TemporaryCurrentFolder.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDrives.h"
#include "ui/app/AppContext.h"
#include "ui/app/TfrmMain.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

namespace dirforge::platform {
class FileSystem;
}
namespace dirforge::ui {
class StringsPage;
class TfrmMain;
} // namespace dirforge::ui

namespace dirforge::testing {

struct StartedProgram {
    /// Whether the constructor starts the program or the test does, with start(), once it has
    /// set what the program starts with (such as fileSystem).
    enum class Start { Now, Later };

    explicit StartedProgram(Start when = Start::Now);
    ~StartedProgram();

    /// Starts the program (again, when it runs: its windows are destroyed first) in the same folder
    /// on the same drives.
    void start();
    /// Ends the program: its windows are destroyed.
    void end();

    ui::TfrmMain& window();
    ui::StringsPage& page();
    /// The child of the main window with this objectName (null when missing).
    template <class T> T* find(const char* name) {
        return window().findChild<T*>(QString::fromLatin1(name));
    }
    /// Clicks the button with this objectName.
    void click(const char* name);
    /// Browses to a destination; the level summary is accepted.
    void chooseDestination(const std::string& path);
    /// Puts names into INCLUDE in one batch and runs the page refresh.
    void addNames(const std::vector<std::string>& names);
    /// Ends the program and starts it again.
    void restart() { start(); }

    TemporaryCurrentFolder cwd;
    TempDrives drives;
    ScriptedPrompt prompt;
    ScriptedFolderPicker picker;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    ScriptedModalRunner runner;
    /// Replaces the file system over drives when set before start().
    platform::FileSystem* fileSystem = nullptr;
    /// The user guide's host path when set before start() (else the installed one).
    std::string userGuide;
    std::unique_ptr<ui::AppContext> context;
};

} // namespace dirforge::testing
