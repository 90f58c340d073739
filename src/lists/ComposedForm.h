#pragma once
// One Unicode form for every name the lists take: "Café" typed with a composed é and "Café"
// with e and a combining accent are the same name, shown, compared and created once.

#include <string>

namespace dirforge::lists {

/// The text in normalisation form C (canonical composition). Pure ASCII is returned as it is
/// without a look at the Unicode tables; text that is not valid UTF-8 is kept unchanged.
std::string ComposedForm(std::string text);

} // namespace dirforge::lists
