#pragma once
// A list's buttons offered on the list itself: its right-click menu holds their actions and,
// on an editable list, the Delete key presses its "Delete Sel" button (the same questions and
// messages follow).

#include <QList>

class QAbstractButton;
class QAbstractItemView;

namespace dirforge::ui {

/// The right-click menu of list offers each button, under its caption (its accessible name
/// for a symbol button) and enabled as the button is; Delete presses deleteButton when given.
void OfferButtonsOnList(QAbstractItemView& list, const QList<QAbstractButton*>& buttons,
                        QAbstractButton* deleteButton = nullptr);

} // namespace dirforge::ui
