#include "ui/common/ListActions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QMenu>
#include <QPointer>
#include <QShortcut>

#include <algorithm>

namespace dirforge::ui {

namespace {

/// What the menu calls a button: its caption, or for ">" and the like its accessible name.
QString MenuCaption(const QAbstractButton& button) {
    const QString caption = button.text();
    const bool symbolsOnly =
        std::none_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetterOrNumber(); });
    return symbolsOnly && !button.accessibleName().isEmpty() ? button.accessibleName() : caption;
}

} // namespace

void OfferButtonsOnList(QAbstractItemView& list, const QList<QAbstractButton*>& buttons,
                        QAbstractButton* deleteButton) {
    QList<QPointer<QAbstractButton>> offered;
    for (QAbstractButton* button : buttons)
        offered << button;
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        &list, &QWidget::customContextMenuRequested, &list, [&list, offered](const QPoint& at) {
            QMenu menu(&list);
            for (const QPointer<QAbstractButton>& button : offered) {
                if (button.isNull() || button->isHidden())
                    continue;
                QAction* action = menu.addAction(MenuCaption(*button));
                action->setEnabled(button->isEnabled());
                QObject::connect(action, &QAction::triggered, button, &QAbstractButton::click);
            }
            menu.exec(list.viewport()->mapToGlobal(at));
        });
    if (deleteButton == nullptr)
        return;
    auto* del = new QShortcut(QKeySequence::Delete, &list);
    del->setContext(Qt::WidgetShortcut);
    QObject::connect(del, &QShortcut::activated, deleteButton, [deleteButton] {
        if (deleteButton->isEnabled())
            deleteButton->click();
    });
}

} // namespace dirforge::ui
