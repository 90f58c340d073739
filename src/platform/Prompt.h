#pragma once
// The one message box routine: text, title and kind in, the pressed button out.

#include <string>

namespace dirforge::platform {

/// Message box kinds by their numeric values: OK with an icon, or Yes/No with No as default.
enum class MessageKind : int { Error = 16, Warning = 48, Information = 64, Question = 292 };

enum class PromptButton { Ok, Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;
    /// Shows a modal message and returns the button pressed.
    virtual PromptButton show(const std::string& text, const std::string& title,
                              MessageKind kind) = 0;

    /// Asks a Yes/No question; true only for Yes.
    bool ask(const std::string& text, const std::string& title) {
        return show(text, title, MessageKind::Question) == PromptButton::Yes;
    }
    void warn(const std::string& text, const std::string& title) {
        show(text, title, MessageKind::Warning);
    }
    void inform(const std::string& text, const std::string& title) {
        show(text, title, MessageKind::Information);
    }
};

} // namespace dirforge::platform
