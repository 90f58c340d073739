// The undo on a drive whose every request is a round trip: files and folders removed by several
// helpers at once, each with its own anchors, their outcomes taken back in the order one item
// after another would have met them.

#include "engine/FolderFileUndo.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

namespace dirforge::engine {

void FolderFileUndo::DeleteFilesAtOnce(std::size_t workers) {
    const bool withIds = FileIds.size() == Files.size();
    const std::size_t each = (Files.size() + workers - 1) / workers;
    std::atomic<bool> stop = false;
    std::atomic<std::size_t> done = 0;
    std::vector<std::unique_ptr<FolderFileUndo>> helpers;
    std::vector<std::thread> threads;
    for (std::size_t begin = 0; begin < Files.size(); begin += each) {
        const std::size_t end = std::min(Files.size(), begin + each);
        auto helper = std::make_unique<FolderFileUndo>(fs_);
        helper->AddFiles({Files.begin() + static_cast<std::ptrdiff_t>(begin),
                          Files.begin() + static_cast<std::ptrdiff_t>(end)},
                         withIds ? std::vector<platform::FileIdentity>(
                                       FileIds.begin() + static_cast<std::ptrdiff_t>(begin),
                                       FileIds.begin() + static_cast<std::ptrdiff_t>(end))
                                 : std::vector<platform::FileIdentity>{});
        helper->AddAnchors(anchors_);
        helper->sharedStop_ = &stop;
        helper->sharedDone_ = &done;
        FolderFileUndo& one = *helper;
        helpers.push_back(std::move(helper));
        threads.emplace_back([&one] { one.DeleteFileRange(0, one.Files.size()); });
    }
    // This thread passes Stop on and counts the progress the helpers made.
    std::size_t counted = 0;
    for (bool finished = false; !finished;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        finished = done.load() >= Files.size();
        for (const std::size_t now = done.load(); counted < now; ++counted)
            if (progress_)
                progress_->advance();
        if (!stop && progress_ && progress_->stopping())
            stop = true;
        if (stop)
            break;
    }
    for (std::thread& thread : threads)
        thread.join();
    for (const std::size_t now = done.load(); counted < now; ++counted)
        if (progress_)
            progress_->advance();
    for (const auto& helper : helpers) {
        const auto take = [](auto& into, const auto& from) {
            into.insert(into.end(), from.begin(), from.end());
        };
        take(failedFiles_, helper->failedFiles_);
        take(failedFileIds_, helper->failedFileIds_);
        take(gone_, helper->gone_);
        take(leftFiles_, helper->leftFiles_);
        take(leftFileIds_, helper->leftFileIds_);
    }
    TakeReasons(helpers);
}

std::vector<std::unique_ptr<FolderFileUndo>> FolderFileUndo::Helpers(std::size_t workers) {
    std::vector<std::unique_ptr<FolderFileUndo>> helpers;
    for (std::size_t i = 0; i < workers; ++i) {
        helpers.push_back(std::make_unique<FolderFileUndo>(fs_));
        helpers.back()->AddAnchors(anchors_);
    }
    return helpers;
}

void FolderFileUndo::TakeReasons(const std::vector<std::unique_ptr<FolderFileUndo>>& helpers) {
    for (const auto& helper : helpers)
        for (const auto& [path, reason] : helper->reasons_)
            reasons_.insert_or_assign(path, reason);
}

void FolderFileUndo::RemoveFoldersAtOnce(std::size_t workers) {
    const std::vector<std::unique_ptr<FolderFileUndo>> helpers = Helpers(workers);
    std::atomic<bool> stop = false;
    struct Task {
        std::string path;
        platform::FileIdentity kept;
        bool known = false;
        std::optional<platform::RemoveOutcome> outcome; ///< none: left by a Stop
    };
    std::vector<Task> level;
    for (auto it = plan_.rbegin(); it != plan_.rend();) {
        level.clear();
        for (const std::uint32_t depth = it->depth; it != plan_.rend() && it->depth == depth;
             ++it) {
            const RemovableFolder& folder = removable_[it->position];
            level.push_back(
                {std::string(folder.text),
                 folder.identity != nullptr ? folder.identity->file() : platform::FileIdentity{},
                 folder.identity != nullptr, std::nullopt});
        }
        if (!Stopping()) {
            // Never two helpers in one parent folder, where the share would serialise them:
            // each parent goes to one helper, the parents in turn.
            std::vector<std::vector<std::size_t>> shares(workers);
            std::unordered_map<std::string_view, std::size_t> helperOf;
            for (std::size_t i = 0; i < level.size(); ++i) {
                const std::string_view path = level[i].path;
                const std::string_view parent = path.substr(0, path.rfind('\\'));
                const auto [found, added] = helperOf.emplace(parent, helperOf.size() % workers);
                shares[found->second].push_back(i);
            }
            std::vector<std::thread> threads;
            std::atomic<std::size_t> ended = 0;
            for (std::size_t w = 0; w < workers; ++w) {
                if (shares[w].empty())
                    continue;
                FolderFileUndo& helper = *helpers[w];
                threads.emplace_back([&, w] {
                    for (const std::size_t i : shares[w]) {
                        if (stop)
                            break;
                        level[i].outcome = helper.RemoveItem(
                            level[i].path, level[i].known ? &level[i].kept : nullptr, true);
                    }
                    ++ended;
                });
            }
            // This thread passes Stop on while the helpers work.
            while (ended < threads.size()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                if (!stop && progress_ && progress_->stopping())
                    stop = true;
            }
            for (std::thread& thread : threads)
                thread.join();
        }
        for (const Task& task : level) {
            if (!task.outcome) {
                leftFolders_.push_back(task.path);
                leftFolderIds_.push_back(task.kept);
                continue;
            }
            if (*task.outcome == platform::RemoveOutcome::Kept) {
                failedFolders_.push_back(task.path);
                failedFolderIds_.push_back(task.kept);
            } else if (*task.outcome == platform::RemoveOutcome::Gone) {
                gone_.push_back(task.path);
            }
            Advance();
        }
    }
    TakeReasons(helpers);
}

} // namespace dirforge::engine
