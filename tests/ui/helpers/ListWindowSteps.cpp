#include "helpers/ListWindowSteps.h"

#include "helpers/StartedProgram.h"
#include "ui/common/ListViews.h"
#include "ui/lists/TfrmFileExport.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace dirforge::testing {

namespace {

const std::string kLoadedTitle = "Import File content.            Information no: 0450.";
const std::string kBuiltTitle = "Import File content.            Information no: 0451.";

void Press(QDialog& dialog, const char* button) {
    auto* found = dialog.findChild<QAbstractButton*>(QString::fromLatin1(button));
    if (found == nullptr)
        qFatal("no button named %s in %s", button, qPrintable(dialog.objectName()));
    found->click();
}

} // namespace

std::string ExportMismatch(const ExportSeen& seen, const std::vector<std::string>& entries,
                           const std::string& kind) {
    const auto joined = [](const std::vector<std::string>& list) {
        std::string text;
        for (const auto& entry : list)
            text += "[" + entry + "]";
        return text;
    };
    if (!seen.shown)
        return "the export window was not shown";
    if (seen.handedOver != entries || seen.displayed != entries)
        return "handed over " + joined(seen.handedOver) + ", displayed " + joined(seen.displayed) +
               ", expected " + joined(entries);
    if (seen.kind != kind)
        return "kind " + seen.kind + ", expected " + kind;
    if (seen.driveChoicesEnabled == (kind == "STRINGS"))
        return "drive-letter choices enabled: " +
               std::string(seen.driveChoicesEnabled ? "yes" : "no");
    return "";
}

std::vector<std::string> ToEntries(const QStringList& list) {
    std::vector<std::string> entries;
    for (const QString& entry : list)
        entries.push_back(entry.toStdString());
    return entries;
}

void ScriptImport(StartedProgram& program, const std::string& file, const std::string& content,
                  bool accept) {
    program.drives.makeFile(file, content);
    program.dialogs.answerOpen(file);
    program.prompt.expect(kLoadedTitle, platform::MessageKind::Information);
    program.prompt.expect(kBuiltTitle, platform::MessageKind::Information);
    program.runner.expect("TfrmFileImport", [accept](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected); // the runner left the previous opening's result
        Press(dialog, "btnFileImportBrowse");
        Press(dialog, "btnFileImportFrom");
        Press(dialog, accept ? "btnFileImportOk" : "btnFileImportCancel");
        return dialog.result();
    });
}

void ScriptColumnsImport(StartedProgram& program, const std::string& file,
                         const std::string& content, const QString& columns) {
    program.drives.makeFile(file, content);
    program.dialogs.answerOpen(file);
    if (!QString::fromStdString(file).endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        program.prompt.expect("Import File content.            Warnings no: 0311.",
                              platform::MessageKind::Question, platform::PromptButton::Yes);
    program.prompt.expect(kLoadedTitle, platform::MessageKind::Information);
    program.prompt.expect(kBuiltTitle, platform::MessageKind::Information);
    program.runner.expect("TfrmFileImport", [columns](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        Press(dialog, "btnFileImportBrowse");
        Press(dialog, "rdoFileImportSeparatedFile");
        Press(dialog, "rdoFileImportOneColumn");
        dialog.findChild<QLineEdit*>(QStringLiteral("edtFileImportColumnNumber"))->setText(columns);
        Press(dialog, "btnFileImportFrom");
        Press(dialog, "btnFileImportOk");
        return dialog.result();
    });
}

ExportSeen ExportThrough(StartedProgram& program, const char* button) {
    ExportSeen seen;
    program.runner.expect("TfrmFileExport", [&seen](QDialog& dialog) {
        auto& window = static_cast<ui::TfrmFileExport&>(dialog);
        seen.shown = true;
        seen.handedOver = window.handedOver();
        seen.displayed = window.displayed().entries();
        seen.kind = window.kind();
        seen.driveChoicesEnabled =
            window.findChild<QRadioButton*>(QStringLiteral("rdoFileExportWithDriveLetters"))
                ->isEnabled();
        const auto* list = window.findChild<QListView*>(QStringLiteral("lstFileExportSource"));
        seen.currentRow = list->currentIndex().row();
        seen.selectedRows = ui::SelectedRows(*list);
        Press(dialog, "btnExportClose");
        return dialog.result();
    });
    program.click(button);
    return seen;
}

void ScriptEditor(StartedProgram& program, const char* windowName, const char* memoName,
                  QString text, QString& shownText, bool accept) {
    program.runner.expect(
        QString::fromLatin1(windowName), [memoName, text, &shownText, accept](QDialog& dialog) {
            auto* memo = dialog.findChild<QPlainTextEdit*>(QString::fromLatin1(memoName));
            shownText = memo->toPlainText();
            memo->setPlainText(text);
            dialog.setResult(QDialog::Rejected); // the runner left the previous opening's result
            Press(dialog, accept ? "btnOk" : "btnCancel");
            if (dialog.result() != QDialog::Accepted && accept)
                Press(dialog, "btnCancel"); // OK was refused and the editor stayed open: give up
            return dialog.result();
        });
}

} // namespace dirforge::testing
