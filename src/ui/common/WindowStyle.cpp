#include "ui/common/WindowStyle.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace dirforge::ui {

QColor ColorFromValue(std::uint32_t bbggrr) {
    const int red = static_cast<int>(bbggrr & 0xFFu);
    const int green = static_cast<int>((bbggrr >> 8) & 0xFFu);
    const int blue = static_cast<int>((bbggrr >> 16) & 0xFFu);
    return QColor(red, green, blue);
}

QFont DefaultFont() {
    // Faces close to Tahoma's width first, so the fixed layouts keep fitting where it is missing.
    static const QStringList preferred = {"Tahoma",          "Verdana",     "Arial",
                                          "Liberation Sans", "Nimbus Sans", "DejaVu Sans"};
    QFont font;
    for (const QString& family : preferred) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

namespace {

/// Sets a text role to the fixed text colours, grey in the disabled group.
void FixTextRole(QPalette& palette, QPalette::ColorRole role) {
    palette.setColor(role, ColorFromValue(kColorWindowText));
    palette.setColor(QPalette::Disabled, role, ColorFromValue(kColorDisabledText));
}

/// Gives a control the application palette's text colours whenever that palette changes.
class ThemeTextKeeper : public QObject {
public:
    explicit ThemeTextKeeper(QWidget& control) : QObject(&control), control_(control) {
        apply();
        control.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &control_ && event->type() == QEvent::ApplicationPaletteChange)
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    void apply() {
        const QPalette theme = QApplication::palette();
        QPalette palette = control_.palette();
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
                palette.setColor(group, role, theme.color(group, role));
        control_.setPalette(palette);
    }

    QWidget& control_;
};

} // namespace

void ApplyBackground(QWidget& widget, std::uint32_t bbggrr) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ColorFromValue(bbggrr));
    FixTextRole(palette, QPalette::WindowText);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void ApplyMenuBarColors(QWidget& menuBar) {
    QPalette palette = menuBar.palette();
    FixTextRole(palette, QPalette::ButtonText);
    menuBar.setPalette(palette);
}

void ApplyButtonTextColor(QWidget& button, std::uint32_t bbggrr) {
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, ColorFromValue(bbggrr));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, ColorFromValue(kColorDisabledText));
    palette.setColor(QPalette::Button, ColorFromValue(kColorButtonFace));
    button.setPalette(palette);
}

void KeepThemeTextColors(QWidget& control) {
    new ThemeTextKeeper(control);
}

namespace {

struct SplitHint {
    QString shortHint;
    QString longHint;
};

SplitHint Split(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}

} // namespace

void ApplyHint(QAction& action, const QString& hint) {
    const SplitHint parts = Split(hint);
    action.setToolTip(parts.shortHint);
    action.setStatusTip(parts.longHint);
}

void ApplyHint(QWidget& widget, const QString& hint) {
    const SplitHint parts = Split(hint);
    widget.setToolTip(parts.shortHint);
    widget.setStatusTip(parts.longHint);
}

} // namespace dirforge::ui
