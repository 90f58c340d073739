#pragma once
// A Prompt for tests: records every message and answers from a script. A message the script
// does not expect is recorded as unexpected, and the test checks that nothing was.

#include "platform/Prompt.h"

#include <deque>
#include <string>
#include <vector>

namespace dirforge::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    platform::MessageKind kind;
};

class ScriptedPrompt : public platform::Prompt {
public:
    /// Expects the next message to carry this title (and kind) and answers it with button.
    ScriptedPrompt& expect(const std::string& title, platform::MessageKind kind,
                           platform::PromptButton button = platform::PromptButton::Ok);
    /// Answers every question with Yes and every other message with Ok, without a script.
    ScriptedPrompt& answerEverything(bool yes = true);

    platform::PromptButton show(const std::string& text, const std::string& title,
                                platform::MessageKind kind) override;

    const std::vector<ShownMessage>& shown() const { return shown_; }
    const std::vector<std::string>& unexpected() const { return unexpected_; }
    /// True when every scripted message came and nothing else did.
    bool satisfied() const { return unexpected_.empty() && script_.empty(); }
    std::string describe() const;

private:
    struct Expected {
        std::string title;
        platform::MessageKind kind;
        platform::PromptButton button;
    };
    std::deque<Expected> script_;
    std::vector<ShownMessage> shown_;
    std::vector<std::string> unexpected_;
    bool answerAll_ = false;
    bool answerYes_ = true;
};

} // namespace dirforge::testing
