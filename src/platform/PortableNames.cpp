#include "platform/PortableNames.h"

#include <array>

namespace dirforge::platform {

namespace {

bool isRefusedCharacter(unsigned char c) {
    switch (c) {
    case '<':
    case '>':
    case ':':
    case '"':
    case '|':
    case '?':
    case '*':
        return true;
    default:
        return c < 32;
    }
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

bool isReservedDeviceName(std::string_view element) {
    // The device is named by the part before the first dot; trailing blanks there are ignored
    // by the desktop file system too ("CON .txt" is still the console).
    std::string_view base = element.substr(0, element.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    static constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    for (std::string_view name : plain)
        if (equalsIgnoringCase(base, name))
            return true;
    // The console's input and output buffers are devices too.
    if (equalsIgnoringCase(base, "CONIN$") || equalsIgnoringCase(base, "CONOUT$"))
        return true;
    if (base.size() == 4 && base[3] >= '1' && base[3] <= '9')
        return equalsIgnoringCase(base.substr(0, 3), "COM") ||
               equalsIgnoringCase(base.substr(0, 3), "LPT");
    return false;
}

} // namespace

bool IsRefusedName(std::string_view element) {
    for (char c : element)
        if (isRefusedCharacter(static_cast<unsigned char>(c)))
            return true;
    // The desktop file system drops a trailing dot or blank, so "x." would be kept as "x". The
    // path elements "." and ".." are not names (they are resolved or refused by the drive map).
    const bool dotElement = element == "." || element == "..";
    if (!element.empty() && !dotElement && (element.back() == '.' || element.back() == ' '))
        return true;
    return isReservedDeviceName(element);
}

bool HasRefusedElement(std::string_view drivePath) {
    if (drivePath.size() >= 2 && drivePath[1] == ':')
        drivePath.remove_prefix(2);
    std::size_t start = 0;
    while (start <= drivePath.size()) {
        std::size_t end = drivePath.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = drivePath.size();
        if (IsRefusedName(drivePath.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace dirforge::platform
