#pragma once
// Desktop seams for benchmarks: every question answered Yes, every shell call a no-op.

#include "platform/Prompt.h"
#include "platform/Shell.h"

namespace dirforge::bench {

class YesPrompt : public platform::Prompt {
public:
    platform::PromptButton show(const std::string&, const std::string&,
                                platform::MessageKind kind) override {
        return kind == platform::MessageKind::Question ? platform::PromptButton::Yes
                                                       : platform::PromptButton::Ok;
    }
};

class QuietShell : public platform::Shell {
public:
    bool openFolder(const std::string&) override { return true; }
    bool openWebPage(const std::string&) override { return true; }
};

} // namespace dirforge::bench
