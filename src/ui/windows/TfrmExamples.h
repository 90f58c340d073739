#pragma once
// An examples window: a page's sample inputs and the folders and files a run would create under
// each attach option. Every text is fixed (ExamplesPages); choosing an option swaps the texts.

#include "ui/windows/ExamplesPages.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace dirforge::ui {

class TfrmExamples : public QDialog {
    Q_OBJECT
public:
    /// The window of one page (TfrmDriveSelect, ...), with the template option chosen.
    explicit TfrmExamples(const ExamplesPage& page, QWidget* parent = nullptr);

    const ExamplesPage& page() const { return page_; }
    /// Chooses option as a click on its radio button does.
    void selectOption(ExampleOption option);

private:
    QString controlName(const char* kind, const char* role) const;
    QWidget* buildInputs();
    QWidget* buildOptions();
    QWidget* buildResults();
    QRadioButton* radio(ExampleOption option) const {
        return radios_[static_cast<std::size_t>(option)];
    }
    /// The four structure variants on or off; off also leaves none of them checked.
    void setVariantsEnabled(bool enabled);
    /// Empties every list and fills the sample inputs and results for option.
    void fill(ExampleOption option);
    /// The example's two choice boxes and the note on their sample.
    void buildChoices(QLayout* layout, QWidget* box);

    const ExamplesPage& page_;
    std::array<QRadioButton*, kExampleOptionCount> radios_{};
    QButtonGroup* variants_ = nullptr;
    QLineEdit* edtDestination_ = nullptr;
    QListWidget* lstInputs_ = nullptr;
    std::array<QLineEdit*, 2> edtRange_{};
    QLineEdit* edtPrefix_ = nullptr;
    QLineEdit* edtSuffix_ = nullptr;
    QListWidget* lstStructures_ = nullptr;
    QListWidget* lstResults_ = nullptr;
    QCheckBox* chkFillExisting_ = nullptr;
    QCheckBox* chkTokens_ = nullptr;
    ExampleOption option_ = ExampleOption::Templates;
};

} // namespace dirforge::ui
