#include "cli/TerminalPrompt.h"

namespace dirforge::cli {

platform::PromptButton TerminalPrompt::show(const std::string& text, const std::string& title,
                                            platform::MessageKind kind) {
    using platform::MessageKind;
    if (kind == MessageKind::Question)
        return platform::PromptButton::Yes;
    messages_.push_back({title, text});
    if (kind == MessageKind::Warning || kind == MessageKind::Error)
        err_ << title << ": " << text << '\n';
    return platform::PromptButton::Ok;
}

} // namespace dirforge::cli
