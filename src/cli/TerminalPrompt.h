#pragma once
// The message box of the batch front end: warnings go to standard error as "title: text",
// questions are answered Yes (running the command is the answer), and every message but the
// questions is kept for the JSON report.

#include "platform/Prompt.h"

#include <ostream>
#include <string>
#include <vector>

namespace dirforge::cli {

/// One message a run showed.
struct ShownMessage {
    std::string title;
    std::string text;
};

class TerminalPrompt : public platform::Prompt {
public:
    explicit TerminalPrompt(std::ostream& err) : err_(err) {}

    /// Prints warnings and errors, answers questions Yes and everything else Ok.
    platform::PromptButton show(const std::string& text, const std::string& title,
                                platform::MessageKind kind) override;

    /// Every warning, error and information shown so far, in order.
    const std::vector<ShownMessage>& messages() const { return messages_; }

private:
    std::ostream& err_;
    std::vector<ShownMessage> messages_;
};

} // namespace dirforge::cli
