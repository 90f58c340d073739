#pragma once
// The program started on temporary drives f: and g: with every desktop seam scripted, for tests
// that drive the strings page through its controls.

#include "helpers/ScriptedModalRunner.h"
#include "helpers/ScriptedSeams.h"
#include "helpers/TemporaryCurrentFolder.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDrives.h"
#include "ui/AppContext.h"
#include "ui/TfrmMain.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

namespace dirforge::ui {
class StringsPage;
class TfrmMain;
}

namespace dirforge::testing {

struct StartedStringsPage {
    StartedStringsPage();
    ~StartedStringsPage();

    ui::TfrmMain& window();
    ui::StringsPage& page();
    /// The child of the main window with this objectName (null when missing).
    template <class T> T* find(const char* name) { return window().findChild<T*>(QString::fromLatin1(name)); }
    /// Clicks the button with this objectName.
    void click(const char* name);
    /// Browses to a destination; the level summary is accepted.
    void chooseDestination(const std::string& path);
    /// Puts names into INCLUDE in one batch and runs the page refresh.
    void addNames(const std::vector<std::string>& names);
    /// Ends the program (its windows destroyed) and starts it again in the same folder on the same
    /// drives.
    void restart();

    TemporaryCurrentFolder cwd;
    TempDrives drives;
    ScriptedPrompt prompt;
    ScriptedFolderPicker picker;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    ScriptedModalRunner runner;
    std::unique_ptr<ui::AppContext> context;
};

} // namespace dirforge::testing
