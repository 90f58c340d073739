#include "helpers/DarkScheme.h"

#include <QApplication>
#include <QStyleFactory>

namespace dirforge::testing {

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(42, 42, 42), light(Qt::white), grey(127, 127, 127);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, light);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::Text, light);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, light);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, light);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, grey);
    return dark;
}

void UseDarkScheme() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
}

} // namespace dirforge::testing
