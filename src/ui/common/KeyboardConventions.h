#pragma once
// The keyboard as on every desktop, applied to each window of the program when it is shown:
// an Alt+letter for every button, buddied label, tab and check box (no two alike among what a
// window shows at once), Tab in reading order, F1 for the window's Help button. The one place
// where mnemonics are given; captions keep their letters, the '&' only underlines one.

#include <QChar>
#include <QList>
#include <QObject>

class QWidget;

namespace dirforge::ui {

/// The widgets below root in reading order: each layout's items in their order (a grid by rows),
/// then children outside any layout; a tab control's tabs before its pages. Windows of their
/// own are left out.
QList<QWidget*> ReadingOrder(QWidget& root);

/// The letter a caption's '&' marks, lower-cased; a null QChar when it has none.
QChar MnemonicLetter(const QString& caption);

/// Gives every caption of the window that has none a mnemonic: an initial of a word where it
/// can, else another of its letters or digits, so that as many captions as possible get one;
/// a caption whose letters are all taken stays without. The pages of a tab control each start
/// from what the rest of the window uses, since only one of them shows at a time.
void AssignMnemonics(QWidget& window);

/// Chains the window's focusable controls in reading order.
void SetReadingTabOrder(QWidget& window);

/// Applies the above to every window of the program when it is shown, and binds F1 to the
/// window's visible Help button (the current page's in the main window).
class KeyboardConventions : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace dirforge::ui
