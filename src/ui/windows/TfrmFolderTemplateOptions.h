#pragma once
// The options dialog of text-file templates: which transformation a page applies to each
// template line. It reads and stores the page's record in the application's option map.

#include "engine/TemplateOptions.h"

#include <QDialog>

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

    /// Shows the record of page modally; OK stores the choice under that page.
    int showForPage(ModalRunner& runner, engine::PageKind page);
    /// The page whose record the dialog shows and stores.
    engine::PageKind page() const { return page_; }
    /// What Help does: show the built-in help for the dialog's page.
    void setHelpHandler(std::function<void(engine::PageKind)> handler) {
        help_ = std::move(handler);
    }

    /// The record the current choice stands for (all flags 0 but the chosen one).
    engine::_tagFoldersTemplateOptions chosenRecord() const;

public slots:
    /// OK: stores the chosen record under the page and closes.
    void accept() override;

private:
    /// Clears every radio and the search text, then selects the one the page's record stands for.
    void loadRecord();
    void clearChoice();

    engine::MAP_FOLDER_TEMPLATE_OPTIONS& options_;
    engine::PageKind page_ = engine::PageKind::Strings;
    std::function<void(engine::PageKind)> help_;
    QButtonGroup* choice_ = nullptr;
    QRadioButton* replaceNo_ = nullptr;
    QRadioButton* replaceFirst_ = nullptr;
    QRadioButton* replaceAll_ = nullptr;
    QRadioButton* replaceRemainder_ = nullptr;
    QLineEdit* remainderText_ = nullptr;
};

} // namespace dirforge::ui
