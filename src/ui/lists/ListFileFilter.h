#pragma once
// The file types of the import and export dialogs: text and CSV files together first, so that
// neither is hidden until the filter is changed.

namespace dirforge::ui {

inline constexpr const char* kListFileFilter =
    "Text and CSV files (*.txt *.csv);;Text Files (*.txt);;Comma Separated (*.csv);;"
    "All Files (*)";

} // namespace dirforge::ui
