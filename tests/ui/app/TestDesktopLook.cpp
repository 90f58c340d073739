// The window on every screen and in every theme: cut to a small screen with CREATE still in
// reach, and every text readable when the desktop's colour scheme is dark.
#include "helpers/DarkScheme.h"
#include "helpers/StartedProgram.h"
#include "helpers/WidgetLookup.h"
#include "ui/app/TfrmMain.h"
#include "ui/windows/TfrmExamples.h"
#include "ui/windows/TfrmLevelSummFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <functional>

using dirforge::engine::PageKind;
using dirforge::testing::StartedProgram;

namespace {

double Luminance(QColor colour) {
    auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

/// The WCAG contrast ratio of two colours (1 to 21).
double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// The contrast of a text as drawn: the window's area of the text pictured with the text and
/// without it; the pixels that differ are the text's, the other picture shows what lies behind.
double DrawnContrast(QWidget& window, const QRect& area, const std::function<void(bool)>& shown) {
    const QImage with = window.grab(area).toImage();
    shown(false);
    const QImage without = window.grab(area).toImage();
    shown(true);
    double best = 0; // no pixel differs: nothing was drawn, which the caller reports
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                best = std::max(best, Contrast(with.pixelColor(x, y), without.pixelColor(x, y)));
    return best;
}

/// Checks every visible text of window: labels, buttons and check boxes, group captions, tabs
/// and the menu bar. Failures name the text and its contrast.
void CheckTexts(QWidget& window, QStringList& failures) {
    auto check = [&](QWidget& widget, const QString& text, const QRect& local,
                     const std::function<void(bool)>& shown) {
        // A disabled push button shows the theme's own colours, which WCAG leaves out as well.
        if (text.isEmpty() || !widget.isVisible() ||
            (!widget.isEnabled() && qobject_cast<QPushButton*>(&widget) != nullptr))
            return;
        const QRect area(widget.mapTo(&window, local.topLeft()), local.size());
        const double ratio = DrawnContrast(window, area, shown);
        if (ratio < 4.5)
            failures << QStringLiteral("%1 \"%2\": %3")
                            .arg(widget.objectName(), text)
                            .arg(ratio, 0, 'f', 2);
    };
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = label->text();
        check(*label, text, label->rect(), [&](bool on) { label->setText(on ? text : QString()); });
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = button->text();
        check(*button, text, button->rect(),
              [&](bool on) { button->setText(on ? text : QString()); });
    }
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        const QString title = group->title();
        check(*group, title, group->rect(),
              [&](bool on) { group->setTitle(on ? title : QString()); });
    }
    for (QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i) {
            const QString text = tabs->tabText(i);
            check(*tabs, text, tabs->tabRect(i),
                  [&](bool on) { tabs->setTabText(i, on ? text : QString()); });
        }
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        for (QAction* menu : bar->actions()) {
            const QString text = menu->text();
            check(*bar, text, bar->actionGeometry(menu),
                  [&](bool on) { menu->setText(on ? text : QString()); });
        }
}

/// A screen that holds the window at its designed size.
const QRect kLargeScreen(0, 0, 1920, 1080);

} // namespace

class TestDesktopLook : public QObject {
    Q_OBJECT
private slots:
    void windowKeepsItsSizeWhereItFitsAndScrollsWhereNot() {
        StartedProgram program;
        dirforge::ui::TfrmMain& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QScrollArea& scroll = window.clientScroll();

        window.fitToScreen(kLargeScreen);
        QCoreApplication::processEvents();
        FIND_CHILD(client, QWidget, &window, "pnlClient");
        QCOMPARE(client->size(), QSize(999, 642));
        QCOMPARE(scroll.viewport()->size(), QSize(999, 642));
        QVERIFY(!scroll.verticalScrollBar()->isVisible());

        // 1366 x 768 at 125 % text leaves about 1093 x 614 to the window, less a panel.
        const QRect small(0, 0, 1093, 580);
        window.fitToScreen(small);
        QCoreApplication::processEvents();
        QVERIFY2(small.contains(window.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window.frameGeometry().x())
                                .arg(window.frameGeometry().y())
                                .arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())));
        QCOMPARE(client->size(), QSize(999, 642)); // the design's layout, scrolled
        FIND_CHILD(tabs, QTabWidget, &window, "pgeMain");
        for (const char* create :
             {"btnVol02CreateFolders", "btnVol04CreateFolders", "btnVol03CreateFolders"}) {
            FIND_CHILD(button, QAbstractButton, &window, create);
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(button))
                    tabs->setCurrentIndex(i);
            scroll.ensureWidgetVisible(button);
            QCoreApplication::processEvents();
            const QRect shown(button->mapTo(scroll.viewport(), QPoint()), button->size());
            QVERIFY2(scroll.viewport()->rect().contains(shown), create);
        }
    }

    void everyTextIsReadableInADarkScheme() {
        dirforge::testing::UseDarkScheme();
        StartedProgram program;
        dirforge::ui::TfrmMain& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.fitToScreen(kLargeScreen);
        QStringList failures;
        FIND_CHILD(tabs, QTabWidget, &window, "pgeMain");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            CheckTexts(window, failures);
        }
        program.chooseDestination("f:\\Out"); // the strings page's groups enabled
        tabs->setCurrentIndex(0);
        QCoreApplication::processEvents();
        CheckTexts(window, failures);

        QList<QWidget*> windows{&program.context->levelSummary()};
        for (PageKind page : {PageKind::Strings, PageKind::Paths, PageKind::Numbers})
            windows << &program.context->examples(page);
        for (QWidget* shown : windows) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            CheckTexts(*shown, failures);
            shown->hide();
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestDesktopLook)
#include "TestDesktopLook.moc"
