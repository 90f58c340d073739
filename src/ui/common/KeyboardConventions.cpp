#include "ui/common/KeyboardConventions.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSet>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <functional>
#include <vector>

namespace dirforge::ui {

namespace {

void AddInReadingOrder(QWidget& widget, QList<QWidget*>& order, QSet<QWidget*>& seen);

/// A layout's items in reading order: a grid by rows, then columns; any other in item order.
void AddLayout(QLayout& layout, QList<QWidget*>& order, QSet<QWidget*>& seen) {
    struct Placed {
        int row;
        int column;
        QLayoutItem* item;
    };
    std::vector<Placed> items;
    auto* grid = qobject_cast<QGridLayout*>(&layout);
    for (int i = 0; i < layout.count(); ++i) {
        int row = 0, column = i, rowSpan = 0, columnSpan = 0;
        if (grid != nullptr)
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        items.push_back({row, column, layout.itemAt(i)});
    }
    std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const Placed& placed : items) {
        if (QWidget* child = placed.item->widget())
            AddInReadingOrder(*child, order, seen);
        else if (QLayout* inner = placed.item->layout())
            AddLayout(*inner, order, seen);
    }
}

void AddInReadingOrder(QWidget& widget, QList<QWidget*>& order, QSet<QWidget*>& seen) {
    if (widget.isWindow() || seen.contains(&widget))
        return;
    seen.insert(&widget);
    order << &widget;
    if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) {
        AddInReadingOrder(*tabs->tabBar(), order, seen);
        for (int i = 0; i < tabs->count(); ++i)
            AddInReadingOrder(*tabs->widget(i), order, seen);
    }
    if (auto* scroll = qobject_cast<QScrollArea*>(&widget); scroll && scroll->widget())
        AddInReadingOrder(*scroll->widget(), order, seen);
    if (QLayout* layout = widget.layout())
        AddLayout(*layout, order, seen);
    for (QObject* child : widget.children())
        if (auto* childWidget = qobject_cast<QWidget*>(child))
            AddInReadingOrder(*childWidget, order, seen);
}

/// Hidden on purpose (not merely on a page that is not shown).
bool IsHiddenForGood(const QWidget& widget) {
    return widget.testAttribute(Qt::WA_WState_ExplicitShowHide) &&
           widget.testAttribute(Qt::WA_WState_Hidden);
}

/// The places in caption a mnemonic may go, best first: the initials of words, then every other
/// letter or digit; each letter once, letters in used left out.
QList<qsizetype> MnemonicPlaces(const QString& caption, const QSet<QChar>& used) {
    QList<qsizetype> places;
    QSet<QChar> seen;
    for (const bool initialsOnly : {true, false})
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const QChar letter = caption[i].toLower();
            const bool initial = i == 0 || !caption[i - 1].isLetterOrNumber();
            if (letter.isLetterOrNumber() && letter.unicode() < 128 && !used.contains(letter) &&
                !seen.contains(letter) && (initial || !initialsOnly)) {
                seen.insert(letter);
                places << i;
            }
        }
    return places;
}

/// Letters for as many captions as can have one (a bipartite matching, found by augmenting
/// paths): a caption keeps a letter once it has one, though a later one may move it to another
/// of its letters. Returns each caption's place, -1 for none.
std::vector<qsizetype> MatchMnemonics(const std::vector<QString>& texts, const QSet<QChar>& used) {
    std::vector<QList<qsizetype>> places;
    for (const QString& text : texts)
        places.push_back(MnemonicPlaces(text, used));
    std::vector<qsizetype> chosen(texts.size(), -1);
    QHash<QChar, std::size_t> owner;
    std::function<bool(std::size_t, QSet<QChar>&)> claim = [&](std::size_t i, QSet<QChar>& tried) {
        for (qsizetype at : places[i]) {
            const QChar letter = texts[i][at].toLower();
            if (tried.contains(letter))
                continue;
            tried.insert(letter);
            if (!owner.contains(letter) || claim(owner.value(letter), tried)) {
                owner.insert(letter, i);
                chosen[i] = at;
                return true;
            }
        }
        return false;
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QSet<QChar> tried;
        claim(i, tried);
    }
    return chosen;
}

/// One caption a mnemonic can go on, with the way to read and change it. Where a window shows
/// more captions than there are letters and digits, buttons and tabs come first, then check
/// boxes, radio buttons and labels, each in reading order.
struct Caption {
    int rank;
    QWidget* owner;
    std::function<QString()> text;
    std::function<void(const QString&)> setText;
};

/// The captions of the widgets in order that take a mnemonic; pages of a tab control are left
/// to their own scope.
std::vector<Caption> CaptionsOf(const QList<QWidget*>& widgets) {
    std::vector<Caption> captions;
    for (QWidget* widget : widgets) {
        if (IsHiddenForGood(*widget))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int rank = qobject_cast<QCheckBox*>(button)      ? 1
                             : qobject_cast<QRadioButton*>(button) ? 2
                                                                   : 0;
            captions.push_back({rank, button, [button] { return button->text(); },
                                [button](const QString& text) { button->setText(text); }});
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy()) {
            if (label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text()))
                captions.push_back({3, label, [label] { return label->text(); },
                                    [label](const QString& text) { label->setText(text); }});
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                captions.push_back({0, tabs, [tabs, i] { return tabs->tabText(i); },
                                    [tabs, i](const QString& text) { tabs->setTabText(i, text); }});
        }
    }
    std::stable_sort(captions.begin(), captions.end(),
                     [](const Caption& a, const Caption& b) { return a.rank < b.rank; });
    return captions;
}

/// The widgets of one scope: below root, without the pages of tab controls and stacks.
QList<QWidget*> ScopeOf(QWidget& root, QList<QWidget*>& pages) {
    QList<QWidget*> scope;
    const QList<QWidget*> all = ReadingOrder(root);
    for (QWidget* widget : all) {
        bool onPage = false;
        for (QWidget* ancestor = widget; ancestor != &root && ancestor != nullptr;
             ancestor = ancestor->parentWidget())
            if (qobject_cast<QStackedWidget*>(ancestor->parentWidget()) != nullptr) {
                onPage = true;
                if (ancestor == widget && !pages.contains(widget))
                    pages << widget;
                break;
            }
        if (!onPage)
            scope << widget;
    }
    return scope;
}

void AssignInScope(QWidget& root, QSet<QChar> used) {
    QList<QWidget*> pages;
    const std::vector<Caption> captions = CaptionsOf(ScopeOf(root, pages));
    for (const Caption& caption : captions)
        if (const QChar letter = MnemonicLetter(caption.text()); !letter.isNull())
            used.insert(letter);
    std::vector<const Caption*> open;
    std::vector<QString> texts;
    for (const Caption& caption : captions)
        if (MnemonicLetter(caption.text()).isNull()) {
            open.push_back(&caption);
            texts.push_back(caption.text());
        }
    const std::vector<qsizetype> chosen = MatchMnemonics(texts, used);
    for (std::size_t i = 0; i < open.size(); ++i) {
        if (chosen[i] < 0)
            continue;
        used.insert(texts[i][chosen[i]].toLower());
        open[i]->setText(QString(texts[i]).insert(chosen[i], QLatin1Char('&')));
    }
    for (QWidget* page : pages)
        AssignInScope(*page, used);
}

/// Presses the window's visible, enabled Help button, if it has one.
void PressHelp(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        if (caption == QLatin1String("Help") && button->isVisible() && button->isEnabled() &&
            button->window() == &window) {
            button->click();
            return;
        }
    }
}

} // namespace

QList<QWidget*> ReadingOrder(QWidget& root) {
    QList<QWidget*> order;
    QSet<QWidget*> seen{&root};
    if (auto* tabs = qobject_cast<QTabWidget*>(&root)) {
        AddInReadingOrder(*tabs->tabBar(), order, seen);
        for (int i = 0; i < tabs->count(); ++i)
            AddInReadingOrder(*tabs->widget(i), order, seen);
    }
    if (QLayout* layout = root.layout())
        AddLayout(*layout, order, seen);
    for (QObject* child : root.children())
        if (auto* childWidget = qobject_cast<QWidget*>(child))
            AddInReadingOrder(*childWidget, order, seen);
    return order;
}

QChar MnemonicLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i; // "&&" is a literal ampersand
    }
    return {};
}

void AssignMnemonics(QWidget& window) {
    QSet<QChar> used;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (QAction* menu : bar->actions())
            if (const QChar letter = MnemonicLetter(menu->text()); !letter.isNull())
                used.insert(letter);
    AssignInScope(window, used);
}

void SetReadingTabOrder(QWidget& window) {
    QWidget* previous = nullptr;
    for (QWidget* widget : ReadingOrder(window)) {
        // A compound control (a list, a combo box) takes the focus as one; its parts follow it.
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() != nullptr ||
            qobject_cast<QScrollArea*>(widget) != nullptr)
            continue;
        const QWidget* compound = widget->parentWidget();
        while (compound != nullptr && compound != &window &&
               qobject_cast<const QAbstractScrollArea*>(compound) == nullptr)
            compound = compound->parentWidget();
        if (compound != nullptr && compound != &window &&
            qobject_cast<const QScrollArea*>(compound) == nullptr)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

bool KeyboardConventions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->windowType() != Qt::ToolTip &&
            window->windowType() != Qt::Popup) {
            AssignMnemonics(*window);
            // Qt's own file dialogs and message boxes keep the Tab order they come with.
            if (!window->inherits("QFileDialog") && !window->inherits("QMessageBox"))
                SetReadingTabOrder(*window);
            if (!window->property("dirforgeHelpKey").toBool()) {
                window->setProperty("dirforgeHelpKey", true);
                auto* help = new QShortcut(QKeySequence::HelpContents, window);
                connect(help, &QShortcut::activated, window, [window] { PressHelp(*window); });
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dirforge::ui
