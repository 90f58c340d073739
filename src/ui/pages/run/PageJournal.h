#pragma once
// Each page's undo journal in the working folder, so that an Undo survives the program's end:
// a real run and every undo rewrite it, and the start restores the page's result store from it.
// The file is the batch front end's journal, so either program can undo what the other made.
// Plain C++: no windows involved.

#include "engine/JournalWriter.h"
#include "engine/PageKind.h"
#include "engine/PageRunState.h"
#include "engine/RunJournal.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

#include <memory>
#include <string>

namespace dirforge::ui {

/// The page's journal file: "<startup folder>\WorkingDir\undo-<page>.json"; "" without a startup
/// folder.
std::string PageJournalPath(const std::string& startupFolder, engine::PageKind page);

/// Writes what the page's Undo would act on to path, atomically (nothing left: a journal naming
/// nothing). The state is unchanged. False when the file could not be written.
bool SavePageJournal(platform::FileSystem& fs, const platform::DriveMap& drives,
                     const std::string& path, engine::PageKind page, engine::PageRunState& state);

/// The page's journal at path for a real run to write ahead into, so that what the run makes is
/// undoable after the window is killed or crashes. The file is reused when it is there (the run
/// replaces the page's last run, as its results do) and made with nothing to undo otherwise.
/// Null when it cannot be opened (the run's end then writes the journal whole, or says why not).
std::unique_ptr<engine::JournalWriter> OpenPageJournalWriter(platform::FileSystem& fs,
                                                             const platform::DriveMap& drives,
                                                             const std::string& path,
                                                             engine::PageKind page);

/// Puts a pending journal of the page at path into its state (results, last attach mode and
/// destination). True when it did; a missing, damaged, foreign or empty journal, or one whose
/// drives now stand for other folders, leaves the state as it is.
bool RestorePageJournal(const platform::FileSystem& fs, const platform::DriveMap& drives,
                        const std::string& path, engine::PageKind page,
                        engine::PageRunState& state);

/// Why the journal cannot be undone with these drive letters ("" when it can): a path on a
/// letter it does not name, or a letter that now stands for another folder.
std::string DriveMismatch(const engine::RunJournal& journal, const platform::DriveMap& drives);

} // namespace dirforge::ui
