#include "helpers/ScriptedSeams.h"

namespace dirforge::testing {

namespace {

template <class Answer> Answer TakeFront(std::deque<Answer>& answers, Answer cancel) {
    if (answers.empty())
        return cancel;
    Answer next = std::move(answers.front());
    answers.pop_front();
    return next;
}

} // namespace

ScriptedFolderPicker& ScriptedFolderPicker::answer(std::string folder) {
    answers_.push_back(std::move(folder));
    return *this;
}

std::string ScriptedFolderPicker::browseForFolder(const std::string& title, const std::string&) {
    titles_.push_back(title);
    return TakeFront<std::string>(answers_, {});
}

ScriptedFileDialogs& ScriptedFileDialogs::answerOpen(std::optional<std::string> file) {
    openAnswers_.push_back(std::move(file));
    return *this;
}

ScriptedFileDialogs& ScriptedFileDialogs::answerSave(std::optional<std::string> file) {
    saveAnswers_.push_back(std::move(file));
    return *this;
}

std::optional<std::string> ScriptedFileDialogs::openFileName(const std::string& title,
                                                             const std::string&) {
    titles_.push_back("open: " + title);
    return TakeFront<std::optional<std::string>>(openAnswers_, std::nullopt);
}

std::optional<std::string> ScriptedFileDialogs::saveFileName(const std::string& title,
                                                             const std::string&,
                                                             const std::string&) {
    titles_.push_back("save: " + title);
    return TakeFront<std::optional<std::string>>(saveAnswers_, std::nullopt);
}

bool RecordingShell::openFolder(const std::string& drivePath) {
    folders_.push_back(drivePath);
    return succeeds_;
}

bool RecordingShell::openWebPage(const std::string& url) {
    webPages_.push_back(url);
    return succeeds_;
}

} // namespace dirforge::testing
