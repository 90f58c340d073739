#pragma once
// The look every window of the program shares: colour values, the default font, hints.

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>

class QAction;
class QWidget;

namespace dirforge::ui {

/// Colour values in the 0x00BBGGRR form: red in the lowest byte.
inline constexpr std::uint32_t kColorWindowBackground =
    16775151;                                       // RGB(239, 247, 255), very light blue
inline constexpr std::uint32_t kColorDarkRed = 128; // RGB(128, 0, 0)

/// A 0x00BBGGRR colour value as a QColor (the top byte is ignored).
QColor ColorFromValue(std::uint32_t bbggrr);

/// Tahoma 8 pt, or the closest installed sans-serif face at 8 pt.
QFont DefaultFont();

/// Fills the widget's background with a colour value (also behind its child pages).
void ApplyBackground(QWidget& widget, std::uint32_t bbggrr = kColorWindowBackground);

/// A hint "Short|Long": the short part becomes the tooltip, the long part the status tip.
/// A hint without "|" is both.
void ApplyHint(QAction& action, const QString& hint);
void ApplyHint(QWidget& widget, const QString& hint);

} // namespace dirforge::ui
