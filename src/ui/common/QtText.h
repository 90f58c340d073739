#pragma once
// Text conversion between the engine's std::string and Qt. Every conversion goes through here so
// the encoding is decided in one place (UTF-8 on this platform).

#include <QString>

#include <string>

namespace dirforge::ui {

/// An engine text as a QString.
inline QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}
/// A QString as an engine text.
inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

} // namespace dirforge::ui
