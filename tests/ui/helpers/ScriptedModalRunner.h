#pragma once
// A ModalRunner for window tests: each modal window the code under test shows is matched
// against a script by objectName and handled by the script's step instead of a user. A window
// the script does not expect is recorded and rejected.
//
//     ScriptedModalRunner runner;
//     runner.expect("frmAbout");                                   // accept it unchanged
//     runner.expect("frmFileExport", [](QDialog& d) { ...fill...; return QDialog::Accepted; });
//     ... run the code ...
//     QVERIFY2(runner.satisfied(), qPrintable(runner.describe()));

#include "ui/seams/ModalRunner.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

namespace dirforge::testing {

class ScriptedModalRunner : public ui::ModalRunner {
public:
    using Step = std::function<int(QDialog&)>;

    /// Expects the next modal window to be named objectName; step fills it and gives its result
    /// (without a step the window is accepted as it stands).
    ScriptedModalRunner& expect(const QString& objectName, Step step = {});

    int run(QDialog& dialog) override;

    /// objectNames of every window shown, in order.
    const QStringList& shown() const { return shown_; }
    const QStringList& unexpected() const { return unexpected_; }
    /// Every expected window came and no other one.
    bool satisfied() const { return unexpected_.isEmpty() && script_.empty(); }
    QString describe() const;

private:
    struct Expected {
        QString objectName;
        Step step;
    };
    std::deque<Expected> script_;
    QStringList shown_;
    QStringList unexpected_;
};

} // namespace dirforge::testing
