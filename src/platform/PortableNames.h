#pragma once
// The names the desktop file system refuses, refused here too for everything that creates,
// so the trees this program makes can be carried to a drive-letter desktop unchanged.

#include <string_view>

namespace dirforge::platform {

/// True when one path element holds < > : " | ? *, a control character (codes 0-31), ends in a
/// dot or a blank, or is a reserved device name (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1-COM9,
/// LPT1-LPT9; any case, any extension).
bool IsRefusedName(std::string_view element);

/// True when any element after the drive part ("f:") of a drive path is refused by IsRefusedName.
bool HasRefusedElement(std::string_view drivePath);

} // namespace dirforge::platform
