#include "lists/TextLines.h"

namespace dirforge::lists {

bool HoldsBinaryContent(std::string_view content) {
    return content.find('\0') != std::string_view::npos;
}

} // namespace dirforge::lists
