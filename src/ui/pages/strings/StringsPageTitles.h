#pragma once
// The strings page's own message titles, in one table.

#include "ui/pages/PageMessageTitles.h"

namespace dirforge::ui {

/// The titles of the messages the strings page shows itself.
const PageMessageTitles& StringsPageTitles();

} // namespace dirforge::ui
