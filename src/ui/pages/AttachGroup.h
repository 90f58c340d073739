#pragma once
// A page's attach choice and its structure window: the three attach-mode radios, the four copy
// variants, "Options", and the Folder Structures/Templates list with its seven buttons. The group
// tells its page what changed by signals; it asks the page nothing.

#include "engine/RunRequest.h"
#include "engine/RunResults.h"
#include "ui/common/NameListModel.h"
#include "ui/pages/PageQueries.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace dirforge::ui {

class AppContext;
struct PageRow;

class AttachGroup : public QWidget, public CopyVariantSource {
    Q_OBJECT
public:
    AttachGroup(const PageRow& row, AppContext& context, QWidget* parent = nullptr);

    engine::AttachMode mode() const;
    /// False when the checked mode's radio is disabled (the run then attaches nothing).
    bool modeEnabled() const;
    engine::CopyVariant copyVariant() const override;
    /// A with-files copy variant is checked.
    bool withFiles() const;
    const std::vector<std::string>& structureLines() const { return structures_.entries(); }
    NameListModel& structures() { return structures_; }

    /// The pages' net rule for CREATE and Simulation: usable when the include list has entries
    /// and either "Attach Nothing." is chosen or the structure window has lines; requested
    /// decides when every attach radio is off.
    bool runButtonsAllowed(bool requested, bool hasEntries) const;
    /// Puts the attach choice and the structure lines into a run request.
    void fillRequest(engine::RunRequest& request) const;
    /// "Also complete folders that already exist."
    bool fillExisting() const;
    /// "Replace {name} and {date} in names and structures."
    bool tokens() const;
    /// A profile's two choice boxes.
    void restoreChoiceBoxes(bool fillExisting, bool tokens);

    /// Adds a page's own control below "Options"; like "Options" it is enabled in TextTemplates
    /// mode only.
    void addTemplateOption(QWidget* option);

    /// Applies the checked mode's set-up without emptying the structure window (SetPageEnabled).
    void applyModeSetup();
    /// Clear All: Existing and MainFolderWithoutFiles chosen, the window empty, its counter blank.
    void reset();
    /// A profile's attach choice and structure lines; the page's enabling rules apply them after.
    void restore(engine::AttachMode mode, engine::CopyVariant variant,
                 const std::vector<std::string>& lines);
    /// Shows the structure window's size in its counter.
    void showCount();
    void focusAddStructure();

    void rdoAttachNothingClick();
    void rdoStructureImportRelativePathsClick();
    void rdoStructureImportFullPathsClick();
    void rdoCopyVariantClick();
    void btnFolderTemplatesOptionsClick();
    void btnAddFolderStructureClick();
    /// Adds one structure folder unless the window holds it (ignoring case).
    void AddStructure(const std::string& path);
    /// A folder picked or dropped (drive form): a drive root only when the user says so.
    void takeStructureFolder(const std::string& picked);
    void btnViewFolderStructureClick();
    void btnDeleteSelFolderStructuresTemplatesClick();
    void btnDeleteAllFolderStructuresTemplatesClick();
    void btnImportFolderStructuresTemplatesClick();
    void btnExportFolderStructuresTemplatesClick();
    void btnEditFolderStructuresTemplatesClick();

signals:
    /// What a run would create changed (mode, copy variant or an added structure): the page's
    /// "to create" counters are due again; withFiles counts the structures' files too.
    void countsChanged(bool withFiles);
    /// "Attach Nothing." was chosen: the "to create" counters count the page's names only.
    void nothingAttached();
    /// The group's part of the rule for CREATE and Simulation changed; requested is their state
    /// when the rule leaves it open (every attach radio off).
    void runRuleChanged(bool requested);
    /// CREATE and Simulation are to be exactly as given: off while an empty structure is
    /// refused, on once one is added.
    void runButtonsSet(bool enabled);
    /// Structure lines were deleted, imported, exported or edited: the page's enabling rules and
    /// counters are due again.
    void structuresChanged();

private:
    QWidget* buildRadios(const PageRow& row);
    /// The two choices below the radios: completing existing folders, replacing tokens.
    void buildChoiceBoxes(const PageRow& row, QWidget* group, QVBoxLayout* layout);
    QLayout* buildStructureWindow(const PageRow& row);
    /// The enabling of Existing (copy variants on, template buttons off).
    void enableForExisting();
    void existingSetup();
    void textTemplatesSetup();
    /// "Options" and the page's template options on or off.
    void setTemplateControlsEnabled(bool enabled);
    /// Which of the structure window's controls an attach mode offers.
    enum class StructureControls {
        None,            ///< Attach Nothing: the whole window off
        ExistingFolders, ///< Add and View, the deletes and the list
        TextTemplates,   ///< Import, Export and Edit, the deletes and the list
    };
    /// The structure window's buttons, list and counter as the attach mode offers them.
    void setStructureControls(StructureControls controls);
    /// Imported existing-structure lines in drive form (host paths converted).
    std::vector<std::string> existingStructureLines(const std::vector<std::string>& lines) const;
    /// The mapped-drives note for the first host path among lines on no mapped drive ("" if none).
    std::string unmappedNote(const std::vector<std::string>& lines) const;
    /// Recount, structure counter, the run rule again: the end of every set-up.
    void finishSetup(bool withFiles);

    const PageRow& row_;
    AppContext& context_;
    NameListModel structures_{core::NameList::Order::Insertion};

    QRadioButton* rdoFullPaths_ = nullptr;
    QRadioButton* rdoRelativePaths_ = nullptr;
    QRadioButton* rdoNothing_ = nullptr;
    std::array<QRadioButton*, 4> rdoVariants_{}; // by CopyVariant
    QPushButton* btnOptions_ = nullptr;
    QCheckBox* chkFillExisting_ = nullptr;
    QCheckBox* chkTokens_ = nullptr;
    std::vector<QWidget*> templateOptions_;
    QLabel* lblStructures_ = nullptr;
    QLabel* lblLines_ = nullptr;
    QLabel* lblSum_ = nullptr;
    QListView* lstStructures_ = nullptr;
    QPushButton* btnAdd_ = nullptr;
    QPushButton* btnImport_ = nullptr;
    QPushButton* btnExport_ = nullptr;
    QPushButton* btnEdit_ = nullptr;
    QPushButton* btnView_ = nullptr;
    QPushButton* btnDeleteSel_ = nullptr;
    QPushButton* btnDeleteAll_ = nullptr;
};

} // namespace dirforge::ui
