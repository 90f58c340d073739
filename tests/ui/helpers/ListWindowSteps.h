#pragma once
// Runner steps that act in the list windows a page opens (smart import, export, the list editors)
// the way a user would: through their controls, pressing their buttons.

#include "helpers/ScriptedModalRunner.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <string>
#include <vector>

namespace dirforge::testing {

struct StartedProgram;

/// What the export window held while it was shown.
struct ExportSeen {
    bool shown = false;
    std::vector<std::string> handedOver;
    std::vector<std::string> displayed;
    std::string kind;
    bool driveChoicesEnabled = false;
    /// The displayed list's current row (-1 for none) and its selected rows.
    int currentRow = -1;
    std::vector<int> selectedRows;
};

/// Why an opening of the export window differs from the expected one ("" when it matches): the
/// entries handed over and displayed, the kind, and the drive-letter choices (off for "STRINGS").
std::string ExportMismatch(const ExportSeen& seen, const std::vector<std::string>& entries,
                           const std::string& kind);

/// A test table's list as list entries.
std::vector<std::string> ToEntries(const QStringList& list);

/// Writes the file on the program's drives and scripts the import window: Browse to the file,
/// build the plain-text preview, then IMPORT (accept) or Cancel. The window's own two messages
/// (end of load, end of preview) are queued on the prompt here; queue the page's after this.
void ScriptImport(StartedProgram& program, const std::string& file, const std::string& content,
                  bool accept = true);

/// As ScriptImport with IMPORT, the preview built from a separated file (the first delimiter, a
/// comma) under the column field's text, a number or a pattern of columns. A file not ending in
/// .txt is taken at the window's question.
void ScriptColumnsImport(StartedProgram& program, const std::string& file,
                         const std::string& content, const QString& columns);

/// Clicks the button (on the main window or a window it owns) with the export window scripted to
/// record what it holds and close; gives what it held (shown false when it never opened).
ExportSeen ExportThrough(StartedProgram& program, const char* button);

/// Scripts a list editor (windowName, memo objectName): records the text it was opened with into
/// shownText, types text and presses OK (or Cancel). When OK is refused and the editor stays
/// open, Cancel follows, as a user gives up.
void ScriptEditor(StartedProgram& program, const char* windowName, const char* memoName,
                  QString text, QString& shownText, bool accept = true);

} // namespace dirforge::testing

/// Fails the test function unless every scripted message and window came, and nothing else.
#define VERIFY_SCRIPTS_DONE(program)                                                               \
    QVERIFY2((program).prompt.satisfied(), (program).prompt.describe().c_str());                   \
    QVERIFY2((program).runner.satisfied(), qPrintable((program).runner.describe()))
