#pragma once
// The list model behind every name list on screen: a core::NameList (alphabetical or in
// insertion order, case-insensitive membership) shown through views and changed in batches.

#include "core/NameList.h"

#include <QAbstractListModel>

#include <memory>
#include <string>
#include <vector>

namespace dirforge::ui {

/// A QAbstractListModel over a core::NameList. It observes the list, so a change made through
/// the list itself also reaches the views; bulk changes arrive as one model reset.
class NameListModel : public QAbstractListModel, private core::NameList::Observer {
    Q_OBJECT
public:
    /// A model owning a new, empty list with the given order; an alphabetical one sorts in the
    /// user's language (LocaleCollation).
    explicit NameListModel(core::NameList::Order order, QObject* parent = nullptr);
    /// A model over a list owned elsewhere (which must outlive the model).
    explicit NameListModel(core::NameList& names, QObject* parent = nullptr);
    ~NameListModel() override;

    /// The entries as a core list.
    const core::NameList& names() const { return *names_; }
    core::NameList& names() { return *names_; }
    int size() const { return static_cast<int>(names_->size()); }
    const std::string& at(int row) const { return names_->at(static_cast<std::size_t>(row)); }
    /// True when an entry equal to text ignoring letter case is held.
    bool contains(const std::string& text) const { return names_->contains(text); }
    /// The entries in display order.
    const std::vector<std::string>& entries() const { return names_->texts(); }

    /// Adds text unless an equal entry (ignoring case) is held; true when added.
    bool add(const std::string& text);
    /// Adds, in one batch, every text not yet held and not repeated earlier in texts (ignoring
    /// case); returns how many were added.
    std::size_t addMany(const std::vector<std::string>& texts);
    /// Replaces all entries by texts, each once ignoring case, in one reset.
    void assign(const std::vector<std::string>& texts);
    /// Replaces all entries by texts as they are, repeats included (a file's lines).
    void assignAll(std::vector<std::string> texts);
    /// Removes the given rows (any order) in one reset.
    void removeRows(const std::vector<int>& rows);
    void clear() { names_->clear(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void aboutToInsert(std::size_t index) override;
    void inserted() override;
    void aboutToRemove(std::size_t index) override;
    void removed() override;
    void aboutToReset() override;
    void reset() override;

    std::unique_ptr<core::NameList> owned_;
    core::NameList* names_;
};

} // namespace dirforge::ui
