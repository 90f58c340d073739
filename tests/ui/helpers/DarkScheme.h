#pragma once
// A dark colour scheme as the desktops ship it (light text on dark grey, the Fusion style), for
// the contrast test and the screenshots of a dark desktop.

#include <QPalette>

namespace dirforge::testing {

QPalette DarkPalette();
/// The application in the Fusion style with DarkPalette().
void UseDarkScheme();

} // namespace dirforge::testing
