#pragma once
// The increased-numbers page's own message titles, in one table.

#include "ui/pages/PageMessageTitles.h"

namespace dirforge::ui {

/// The titles of the messages the increased-numbers page shows itself.
const PageMessageTitles& NumbersPageTitles();

} // namespace dirforge::ui
