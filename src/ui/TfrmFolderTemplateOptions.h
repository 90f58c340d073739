#pragma once
// The options dialog of text-file templates: which transformation a page applies to each
// template line. It reads and stores the page's record in the application's option map.

#include "engine/TemplateOptions.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace dirforge::ui {

class ModalRunner;

/// TfrmFolderTemplateOptions: one page's template option, chosen by radio buttons.
class TfrmFolderTemplateOptions : public QDialog {
    Q_OBJECT
public:
    /// options must outlive the dialog; OK stores into it.
    explicit TfrmFolderTemplateOptions(engine::MAP_FOLDER_TEMPLATE_OPTIONS& options,
                                       QWidget* parent = nullptr);

    /// Shows the record of pageNumber modally; OK stores the choice under that page.
    int ShowForPage(ModalRunner& runner, std::int32_t pageNumber);
    /// The page whose record the dialog shows and stores.
    std::int32_t pageNumber() const { return pageNumber_; }
    /// What Help does: show the built-in help for the dialog's page number.
    void setHelpHandler(std::function<void(std::int32_t)> handler) { help_ = std::move(handler); }

    /// The record the current choice stands for (all flags 0 but the chosen one).
    engine::_tagFoldersTemplateOptions chosenRecord() const;

public slots:
    /// OK: stores the chosen record under the page number and closes.
    void accept() override;

private:
    /// Clears every radio and the search text, then selects the one the page's record stands for.
    void loadRecord();
    void clearChoice();

    engine::MAP_FOLDER_TEMPLATE_OPTIONS& options_;
    std::int32_t pageNumber_ = engine::StringsPage;
    std::function<void(std::int32_t)> help_;
    QButtonGroup* choice_ = nullptr;
    QRadioButton* replaceNo_ = nullptr;
    QRadioButton* replaceFirst_ = nullptr;
    QRadioButton* replaceAll_ = nullptr;
    QRadioButton* replaceRemainder_ = nullptr;
    QLineEdit* remainderText_ = nullptr;
};

} // namespace dirforge::ui
