#pragma once
// Stand-ins for the desktop seams in window tests: the folder picker and the file dialogs
// answer from a script and record their titles; the shell records what it was asked to open.
// An answer the script does not hold counts as a cancel.

#include "platform/FileDialogs.h"
#include "platform/FolderPicker.h"
#include "platform/Shell.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace dirforge::testing {

class ScriptedFolderPicker : public platform::FolderPicker {
public:
    /// The next browse returns this folder ("" for a cancel).
    ScriptedFolderPicker& answer(std::string folder);

    std::string browseForFolder(const std::string& title, const std::string& startFolder) override;

    /// The titles of every browse, in order.
    const std::vector<std::string>& titles() const { return titles_; }

private:
    std::deque<std::string> answers_;
    std::vector<std::string> titles_;
};

class ScriptedFileDialogs : public platform::FileDialogs {
public:
    /// The next open dialog returns this file (nullopt for a cancel).
    ScriptedFileDialogs& answerOpen(std::optional<std::string> file);
    /// The next save dialog returns this file (nullopt for a cancel).
    ScriptedFileDialogs& answerSave(std::optional<std::string> file);

    std::optional<std::string> openFileName(const std::string& title,
                                            const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                            const std::string& suggestedName) override;

    /// The titles of every dialog, in order, each prefixed "open: " or "save: ".
    const std::vector<std::string>& titles() const { return titles_; }

private:
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<std::optional<std::string>> saveAnswers_;
    std::vector<std::string> titles_;
};

class RecordingShell : public platform::Shell {
public:
    /// What every later call returns (true: the desktop took it).
    void setSucceeds(bool succeeds) { succeeds_ = succeeds; }

    bool openFolder(const std::string& drivePath) override;
    bool openWebPage(const std::string& url) override;

    const std::vector<std::string>& folders() const { return folders_; }
    const std::vector<std::string>& webPages() const { return webPages_; }

private:
    bool succeeds_ = true;
    std::vector<std::string> folders_;
    std::vector<std::string> webPages_;
};

} // namespace dirforge::testing
