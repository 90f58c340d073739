#pragma once
// The alphabetical order of the window's sorted lists: the user's language, as the desktop's
// list boxes sort ("Évian" with the E's, not after "Z"). Under the C locale, which names no
// language, the core order ignoring letter case stays.

#include "core/Collation.h"

namespace dirforge::ui {

/// The collation of the current default QLocale (ICU's collator for its language, the one a
/// QCollator of that locale wraps), followed when the default changes.
const core::Collation& LocaleCollation();

} // namespace dirforge::ui
