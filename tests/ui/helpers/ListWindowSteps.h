#pragma once
// Runner steps that act in the list windows a page opens (smart import, export, the list editors)
// the way a user would: through their controls, pressing their buttons.

#include "helpers/ScriptedModalRunner.h"

#include <QString>

#include <string>
#include <vector>

namespace dirforge::testing {

struct StartedStringsPage;

/// What the export window held while it was shown.
struct ExportSeen {
    bool shown = false;
    std::vector<std::string> handedOver;
    std::vector<std::string> displayed;
    std::string kind;
    bool driveChoicesEnabled = false;
};

/// Writes the file on the program's drives and scripts the import window: Browse to the file,
/// build the plain-text preview, then IMPORT (accept) or Cancel. The window's own two messages
/// (end of load, end of preview) are queued on the prompt here; queue the page's after this.
void ScriptImport(StartedStringsPage& program, const std::string& file, const std::string& content,
                  bool accept = true);

/// Scripts the export window: records what it holds into seen and closes it.
void ScriptExport(StartedStringsPage& program, ExportSeen& seen);

/// Scripts a list editor (windowName, memo objectName): records the text it was opened with into
/// shownText, types text and presses OK (or Cancel). When OK is refused and the editor stays
/// open, Cancel follows, as a user gives up.
void ScriptEditor(StartedStringsPage& program, const char* windowName, const char* memoName, QString text,
                  QString& shownText, bool accept = true);

} // namespace dirforge::testing
