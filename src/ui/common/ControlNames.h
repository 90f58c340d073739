#pragma once
// Giving a new control its name (the objectName that settings, tests and the help refer to) and
// its hint in one step.

namespace dirforge::ui {

/// Sets widget's objectName and, when given, its hint (tooltip); returns the widget.
template <typename Widget>
Widget* Named(Widget* widget, const char* name, const char* hint = nullptr) {
    widget->setObjectName(name);
    if (hint)
        widget->setToolTip(hint);
    return widget;
}

} // namespace dirforge::ui
