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
/// The text on a fixed background: black, and grey where disabled (readable on the light blue).
inline constexpr std::uint32_t kColorWindowText = 0;
inline constexpr std::uint32_t kColorDisabledText = 0x5A5A5A; // RGB(90, 90, 90)
inline constexpr std::uint32_t kColorButtonFace = 0xF0F0F0;   // RGB(240, 240, 240)

/// A 0x00BBGGRR colour value as a QColor (the top byte is ignored).
QColor ColorFromValue(std::uint32_t bbggrr);

/// Tahoma 8 pt, or the closest installed sans-serif face at 8 pt.
QFont DefaultFont();

/// Fills the widget's background with a colour value (also behind its child pages) and fixes
/// the colour of the texts drawn straight on it, so that a dark theme leaves them readable.
/// Controls with backgrounds of their own (buttons, fields, lists) keep the theme's colours.
void ApplyBackground(QWidget& widget, std::uint32_t bbggrr = kColorWindowBackground);
/// A button whose caption has a fixed colour: its face is fixed with it (the light grey of a
/// button on the light blue), so a dark theme's button face leaves the caption readable.
void ApplyButtonTextColor(QWidget& button, std::uint32_t bbggrr);
/// The menu bar on the window's background: its captions in the fixed text colour.
void ApplyMenuBarColors(QWidget& menuBar);
/// A control that draws its own background from the theme (the page control's tabs) inside a
/// window with a fixed background: its texts keep the theme's colours, also when the theme
/// changes while the program runs.
void KeepThemeTextColors(QWidget& control);

/// A hint "Short|Long": the short part becomes the tooltip, the long part the status tip.
/// A hint without "|" is both.
void ApplyHint(QAction& action, const QString& hint);
void ApplyHint(QWidget& widget, const QString& hint);

} // namespace dirforge::ui
