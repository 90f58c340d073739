#pragma once
// The prefix, suffix and hyphen controls of a creation page, with their illegal-character check.

#include "engine/RunRequest.h"

#include <QWidget>

#include <string>

class QCheckBox;
class QLineEdit;

namespace dirforge::platform {
class Prompt;
}

namespace dirforge::ui {

struct PageRow;

/// edtVol0XPrefix, edtVol0XSuffix and chkVol0XHyphen with their labels.
class PrefixSuffixGroup : public QWidget {
    Q_OBJECT
public:
    PrefixSuffixGroup(const PageRow& row, platform::Prompt& prompt, QWidget* parent = nullptr);

    /// The texts exactly as typed (a run uses them untrimmed).
    std::string prefix() const;
    std::string suffix() const;
    bool hyphen() const;
    /// Puts prefix, suffix and hyphen into a run request.
    void fillRequest(engine::RunRequest& request) const;
    /// The hyphen box after Clear All: checked on the strings and paths pages.
    enum class HyphenAfterReset { Unchecked, Checked };
    /// Clear All: both fields empty, the hyphen box as given.
    void reset(HyphenAfterReset hyphen);
    /// A profile's framing (the texts pass the fields' character check like typed ones).
    void restore(const std::string& prefix, const std::string& suffix, bool hyphen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Shows the illegal characters of the field and drops its last character until none is left;
    /// the field keeps the focus. The prefix's and the suffix's Change and Exit handlers.
    void checkField(QLineEdit* field);

    const PageRow& row_;
    platform::Prompt& prompt_;
    QLineEdit* edtPrefix_ = nullptr;
    QLineEdit* edtSuffix_ = nullptr;
    QCheckBox* chkHyphen_ = nullptr;
    bool checking_ = false;
};

} // namespace dirforge::ui
