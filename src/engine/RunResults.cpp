#include "engine/RunResults.h"

namespace dirforge::engine {

const char* AttachModeLetter(AttachMode mode) {
    switch (mode) {
    case AttachMode::Existing:
        return "F";
    case AttachMode::TextTemplates:
        return "R";
    case AttachMode::Nothing:
        break;
    }
    return "N";
}

bool CopiesFiles(CopyVariant variant) {
    return variant == CopyVariant::MainFolderWithFiles ||
           variant == CopyVariant::SubFoldersOnlyWithFiles;
}

bool CopiesMainFolder(CopyVariant variant) {
    return variant == CopyVariant::MainFolderWithFiles ||
           variant == CopyVariant::MainFolderWithoutFiles;
}

void RunCounters::resetResults() {
    for (auto& row : cells)
        for (int column = 1; column < 4; ++column)
            row[column] = 0;
    failedUndo = 0;
    alreadyGone = 0;
}

void RunCounters::resetToCreate() {
    for (auto& row : cells)
        row[0] = 0;
}

std::vector<std::string>& RunResults::list(ResultList which) {
    switch (which) {
    case ResultList::FoldersCreated:
        return FoldersCreated;
    case ResultList::SubFoldersCreated:
        return SubFoldersCreated;
    case ResultList::FilesCreated:
        return FilesCreated;
    case ResultList::FoldersExist:
        return FoldersExist;
    case ResultList::FoldersOther:
        return FoldersOther;
    case ResultList::FoldersFailedUndo:
        break;
    }
    return FoldersFailedUndo;
}

const std::vector<std::string>& RunResults::list(ResultList which) const {
    return const_cast<RunResults*>(this)->list(which);
}

void RunResults::clearLists() {
    for (int i = 0; i < ResultListCount; ++i)
        list(static_cast<ResultList>(i)).clear();
    FoldersMadeByRun.clear();
    FolderIdentities.clear();
    FileIdentities.clear();
    FailedUndoIdentities.clear();
    Anchors.clear();
    AlreadyGone.clear();
    Reasons.clear();
}

void RunResults::clearUndoRetry() {
    UndoRetry.clear();
    UndoRetryIdentities.clear();
}

} // namespace dirforge::engine
