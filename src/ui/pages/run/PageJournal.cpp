#include "ui/pages/run/PageJournal.h"

#include "core/TextRules.h"

#include <utility>

namespace dirforge::ui {

std::string PageJournalPath(const std::string& startupFolder, engine::PageKind page) {
    if (startupFolder.empty())
        return {};
    return core::CollapseBackslashes(startupFolder + "\\WorkingDir\\undo-" +
                                     engine::PageName(page) + ".json");
}

bool SavePageJournal(platform::FileSystem& fs, const platform::DriveMap& drives,
                     const std::string& path, engine::PageKind page, engine::PageRunState& state) {
    if (path.empty())
        return false;
    // The results are lent to the journal for the write, so a million names are not copied.
    engine::RunJournal journal{
        page, state.lastAttachMode, state.lastDestination, std::move(state.results), {}};
    bool written = false;
    try {
        written = engine::WriteJournalFile(fs, drives, path, journal);
    } catch (...) {
        state.results = std::move(journal.results);
        throw;
    }
    state.results = std::move(journal.results);
    return written;
}

std::unique_ptr<engine::JournalWriter> OpenPageJournalWriter(platform::FileSystem& fs,
                                                             const platform::DriveMap& drives,
                                                             const std::string& path,
                                                             engine::PageKind page) {
    if (path.empty())
        return nullptr;
    const bool there = fs.fileExists(path);
    auto file = fs.openAppendFile(path, there ? platform::AppendOpen::Existing
                                              : platform::AppendOpen::CreateNew);
    if (!file)
        return nullptr;
    auto writer = std::make_unique<engine::JournalWriter>(std::move(file), drives);
    // A new file holds a journal with nothing to undo until the run begins; a refused run
    // leaves an old one as it was.
    if (!there)
        writer->begin(page, "", "", engine::RunCounters{});
    return writer;
}

bool RestorePageJournal(const platform::FileSystem& fs, const platform::DriveMap& drives,
                        const std::string& path, engine::PageKind page,
                        engine::PageRunState& state) {
    if (path.empty() || !fs.fileExists(path))
        return false;
    std::string error;
    std::optional<engine::RunJournal> journal = engine::ReadJournalFile(fs, path, error);
    if (!journal || journal->page != page || engine::NothingLeftToUndo(*journal) ||
        !DriveMismatch(*journal, drives).empty())
        return false;
    state.results = std::move(journal->results);
    state.lastAttachMode = std::move(journal->lastAttachMode);
    state.lastDestination = std::move(journal->lastDestination);
    return true;
}

std::string DriveMismatch(const engine::RunJournal& journal, const platform::DriveMap& drives) {
    const std::string unnamed = engine::PathOnUnnamedDrive(journal);
    if (!unnamed.empty())
        return "The journal does not name the folder the drive of \"" + unnamed + "\" stood for.";
    for (const auto& [letter, folder] : journal.drives) {
        const std::optional<std::string> current = drives.rootOf(letter);
        if (!current || *current != folder) {
            std::string text = "Drive ";
            text += letter;
            text += ": stood for \"" + folder + "\" when the journal was written but is ";
            text += current ? "\"" + *current + "\"" : std::string("not mapped");
            return text + " now.";
        }
    }
    return {};
}

} // namespace dirforge::ui
