#include "support/ScriptedPrompt.h"

namespace dirforge::testing {

using platform::MessageKind;
using platform::PromptButton;

ScriptedPrompt& ScriptedPrompt::expect(const std::string& title, MessageKind kind,
                                       PromptButton button) {
    script_.push_back({title, kind, button});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::answerEverything(bool yes) {
    answerAll_ = true;
    answerYes_ = yes;
    return *this;
}

PromptButton ScriptedPrompt::show(const std::string& text, const std::string& title,
                                  MessageKind kind) {
    shown_.push_back({text, title, kind});
    const PromptButton fallback = kind == MessageKind::Question
                                      ? (answerYes_ ? PromptButton::Yes : PromptButton::No)
                                      : PromptButton::Ok;
    if (!script_.empty()) {
        const Expected next = script_.front();
        if (next.title == title && next.kind == kind) {
            script_.pop_front();
            return next.button;
        }
    }
    if (!answerAll_)
        unexpected_.push_back(title + " | " + text);
    return fallback;
}

std::string ScriptedPrompt::describe() const {
    std::string out;
    for (const auto& u : unexpected_)
        out += "unexpected: " + u + "\n";
    for (const auto& e : script_)
        out += "never shown: " + e.title + "\n";
    return out;
}

} // namespace dirforge::testing
