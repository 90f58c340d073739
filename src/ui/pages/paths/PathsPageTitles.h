#pragma once
// The paths page's own message titles, in one table.

#include "ui/pages/PageMessageTitles.h"

namespace dirforge::ui {

/// The titles of the messages the paths page shows itself.
const PageMessageTitles& PathsPageTitles();

} // namespace dirforge::ui
