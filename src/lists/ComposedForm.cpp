#include "lists/ComposedForm.h"

#include <utf8proc.h>

#include <cstdlib>
#include <memory>

namespace dirforge::lists {

namespace {

bool isAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string ComposedForm(std::string text) {
    if (isAscii(text))
        return text;
    utf8proc_uint8_t* composed = nullptr;
    const utf8proc_ssize_t length =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                     static_cast<utf8proc_ssize_t>(text.size()), &composed,
                     static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owned(composed, &std::free);
    if (length < 0)
        return text;
    return std::string(reinterpret_cast<const char*>(composed), static_cast<std::size_t>(length));
}

} // namespace dirforge::lists
