#pragma once
// Filling the delimiter and quotation-mark boxes of the list windows.

#include <string>
#include <vector>

class QComboBox;

namespace dirforge::ui {

/// Fills box from the shared list, or when it is empty from defaults (each lower-cased and
/// trimmed); entries already in the box (ignoring case) are skipped; the first is selected.
void FillChoiceBox(QComboBox& box, const std::vector<std::string>& shared,
                   const std::vector<std::string>& defaults);

} // namespace dirforge::ui
