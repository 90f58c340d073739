#include "support/FaultInjectingFileSystem.h"

#include "core/TextRules.h"
#include "platform/FailureReason.h"

#include <cerrno>

namespace dirforge::testing {

namespace {

// Separators unified, doubled and trailing ones dropped, ASCII letters lower-cased.
std::string canonical(const std::string& path) {
    std::string text = core::NormalizePath(path);
    while (text.size() > 3 && text.back() == '\\')
        text.pop_back();
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// True when path is folder or lies below it (both canonical).
bool isAtOrBelow(const std::string& path, const std::string& folder) {
    if (path.compare(0, folder.size(), folder) != 0)
        return false;
    return path.size() == folder.size() || folder.back() == '\\' || path[folder.size()] == '\\';
}

} // namespace

FaultInjectingFileSystem& FaultInjectingFileSystem::add(FaultRule rule) {
    rules_.push_back({std::move(rule), 0});
    return *this;
}

FaultInjectingFileSystem& FaultInjectingFileSystem::failAlways(FsOp op, std::string path) {
    return add({op, std::move(path), false, 0, -1});
}

FaultInjectingFileSystem& FaultInjectingFileSystem::failOnce(FsOp op, std::string path) {
    return add({op, std::move(path), false, 0, 1});
}

FaultInjectingFileSystem& FaultInjectingFileSystem::failPrefix(FsOp op, std::string path) {
    return add({op, std::move(path), true, 0, -1});
}

FaultInjectingFileSystem& FaultInjectingFileSystem::failWith(FsOp op, std::string path, int error) {
    return add({op, std::move(path), true, 0, -1, error});
}

FaultInjectingFileSystem& FaultInjectingFileSystem::failAfter(FsOp op, int passing) {
    return add({op, {}, false, passing, -1});
}

void FaultInjectingFileSystem::clear() {
    rules_.clear();
}

int FaultInjectingFileSystem::callCount(FsOp op) const {
    const std::lock_guard lock(lock_);
    const auto it = calls_.find(op);
    return it == calls_.end() ? 0 : it->second;
}

bool FaultInjectingFileSystem::matches(const FaultRule& rule, const std::string& path) const {
    if (rule.path.empty())
        return true;
    if (path.empty())
        return false;
    const std::string wanted = canonical(rule.path);
    const std::string given = canonical(path);
    if (rule.prefix)
        return isAtOrBelow(given, wanted);
    if (rule.op == FsOp::CreateFolder) // refusing X also stops every request that must make X
        return isAtOrBelow(given, wanted) && !inner_.folderExists(rule.path);
    return given == wanted;
}

const FaultRule* FaultInjectingFileSystem::failingRule(FsOp op, const std::string& path,
                                                       const std::string& otherPath) const {
    if (hook_)
        hook_(op, path);
    const std::lock_guard lock(lock_);
    ++calls_[op];
    const FaultRule* failing = nullptr;
    for (ActiveRule& active : rules_) {
        if (active.rule.op != op ||
            !(matches(active.rule, path) || matches(active.rule, otherPath)))
            continue;
        const int n = ++active.matched;
        const bool inWindow =
            n > active.rule.passFirst &&
            (active.rule.failTimes < 0 || n - active.rule.passFirst <= active.rule.failTimes);
        if (inWindow && failing == nullptr)
            failing = &active.rule;
    }
    if (failing != nullptr) {
        ++injected_;
        if (op != FsOp::CloneFile) // a refused clone is no failure: the copy goes on without
            platform::NoteError(failing->error != 0      ? failing->error
                                : op == FsOp::AppendFile ? ENOSPC
                                                         : EACCES);
    }
    return failing;
}

bool FaultInjectingFileSystem::createFolder(const std::string& path,
                                            std::vector<std::string>* created) {
    const FaultRule* rule = failingRule(FsOp::CreateFolder, path);
    if (rule == nullptr)
        return inner_.createFolder(path, created);
    const std::string above = partBeforeRefused(*rule, path);
    if (!above.empty())
        inner_.createFolder(above, created);
    return false;
}

std::string FaultInjectingFileSystem::partBeforeRefused(const FaultRule& rule,
                                                        const std::string& path) const {
    if (rule.prefix || rule.path.empty())
        return {};
    // Spelt as the request spells it (the refused folder is the request or one of its parents).
    const auto cut = canonical(rule.path).find_last_of('\\');
    if (cut == std::string::npos || cut <= 2)
        return {};
    return core::NormalizePath(path).substr(0, cut);
}

bool FaultInjectingFileSystem::folderExists(const std::string& path) const {
    return failingRule(FsOp::FolderExists, path) == nullptr && inner_.folderExists(path);
}

bool FaultInjectingFileSystem::fileExists(const std::string& path) const {
    return failingRule(FsOp::FileExists, path) == nullptr && inner_.fileExists(path);
}

bool FaultInjectingFileSystem::isLink(const std::string& path) const {
    return failingRule(FsOp::IsLink, path) == nullptr && inner_.isLink(path);
}

std::optional<std::vector<platform::FolderEntry>>
FaultInjectingFileSystem::listFolder(const std::string& path) const {
    if (failingRule(FsOp::ListFolder, path) != nullptr)
        return std::nullopt;
    return inner_.listFolder(path);
}

std::optional<std::uint64_t> FaultInjectingFileSystem::fileSize(const std::string& path) const {
    if (failingRule(FsOp::FileSize, path) != nullptr)
        return std::nullopt;
    return inner_.fileSize(path);
}

bool FaultInjectingFileSystem::copyFileExclusive(const std::string& from, const std::string& to) {
    return failingRule(FsOp::CopyFile, to, from) == nullptr && inner_.copyFileExclusive(from, to);
}

bool FaultInjectingFileSystem::deleteFile(const std::string& path) {
    return failingRule(FsOp::DeleteFile, path) == nullptr && inner_.deleteFile(path);
}

bool FaultInjectingFileSystem::removeEmptyFolder(const std::string& path) {
    return failingRule(FsOp::RemoveEmptyFolder, path) == nullptr && inner_.removeEmptyFolder(path);
}

std::uint64_t FaultInjectingFileSystem::freeSpace(const std::string& path) const {
    return failingRule(FsOp::FreeSpace, path) == nullptr ? inner_.freeSpace(path) : 0;
}

std::optional<std::string> FaultInjectingFileSystem::readFile(const std::string& path) const {
    if (failingRule(FsOp::ReadFile, path) != nullptr)
        return std::nullopt;
    return inner_.readFile(path);
}

bool FaultInjectingFileSystem::opensForReading(const std::string& path) const {
    return failingRule(FsOp::OpenToRead, path) == nullptr && inner_.opensForReading(path);
}

bool FaultInjectingFileSystem::writeFileAtomic(const std::string& path, const std::string& data) {
    return failingRule(FsOp::WriteFile, path) == nullptr && inner_.writeFileAtomic(path, data);
}

bool FaultInjectingFileSystem::streamFileAtomic(const std::string& path,
                                                const platform::ContentProducer& produce) {
    return failingRule(FsOp::WriteFile, path) == nullptr && inner_.streamFileAtomic(path, produce);
}

platform::TextFileRead
FaultInjectingFileSystem::readTextFile(const std::string& path, std::uint64_t maxBytes,
                                       const platform::NulBytesAllowed& nulBytesAllowed) const {
    if (failingRule(FsOp::ReadFile, path) != nullptr)
        return {};
    return inner_.readTextFile(path, maxBytes, nulBytesAllowed);
}

namespace {

/// An anchor of the inner file system under the decorator's rules and hook.
class FaultInjectingAnchor : public platform::AnchoredFolder {
public:
    FaultInjectingAnchor(FaultInjectingFileSystem& owner,
                         std::unique_ptr<platform::AnchoredFolder> inner)
        : owner_(owner), inner_(std::move(inner)) {}

    const std::string& path() const override { return inner_->path(); }
    const platform::FileIdentity& identity() const override { return inner_->identity(); }

    using platform::AnchoredFolder::createFolder;
    bool createFolder(const std::string& path, std::vector<platform::MadeItem>* made,
                      platform::MadeIdentity when) override {
        const FaultRule* rule = owner_.failingRule(FsOp::CreateFolder, path);
        if (rule == nullptr)
            return inner_->createFolder(path, made, when);
        const std::string above = owner_.partBeforeRefused(*rule, path);
        if (!above.empty())
            inner_->createFolder(above, made, when);
        return false;
    }
    std::vector<platform::FileIdentity> identifyDeferred() override {
        return inner_->identifyDeferred();
    }
    bool copyFileInto(const std::string& source, const std::string& target,
                      platform::FileIdentity* identity) override {
        return owner_.failingRule(FsOp::CopyFile, target, source) == nullptr &&
               inner_->copyFileInto(source, target, identity);
    }
    bool copyFileFrom(platform::AnchoredFolder& from, const std::string& source,
                      const std::string& target, platform::FileIdentity* identity,
                      platform::CopyMemory& memory) override {
        if (owner_.failingRule(FsOp::CopyFile, target, source) != nullptr)
            return false;
        auto* wrapped = dynamic_cast<FaultInjectingAnchor*>(&from);
        platform::AnchoredFolder& inner = wrapped != nullptr ? *wrapped->inner_ : from;
        if (owner_.failingRule(FsOp::CloneFile, target, source) == nullptr)
            return inner_->copyFileFrom(inner, source, target, identity, memory);
        // The file system refuses this one clone, as one that cannot share blocks does.
        platform::CopyMemory::CloneCall kept = memory.cloneCall();
        memory.setCloneCall([](int, int) { return EOPNOTSUPP; });
        const bool copied = inner_->copyFileFrom(inner, source, target, identity, memory);
        memory.setCloneCall(std::move(kept));
        return copied;
    }
    bool readFileBelow(const std::string& source, std::uint64_t most,
                       platform::KeptContent& content) override {
        return inner_->readFileBelow(source, most, content);
    }
    bool writeFileInto(const std::string& target, const platform::KeptContent& content,
                       platform::FileIdentity* identity) override {
        return owner_.failingRule(FsOp::CopyFile, target) == nullptr &&
               inner_->writeFileInto(target, content, identity);
    }
    void releaseFolders() override { inner_->releaseFolders(); }
    platform::RemoveOutcome removeFile(const std::string& path,
                                       const platform::FileIdentity& expected) override {
        if (owner_.failingRule(FsOp::DeleteFile, path) != nullptr)
            return platform::RemoveOutcome::Kept;
        return inner_->removeFile(path, expected);
    }
    platform::RemoveOutcome removeFolder(const std::string& path,
                                         const platform::FileIdentity& expected) override {
        if (owner_.failingRule(FsOp::RemoveEmptyFolder, path) != nullptr)
            return platform::RemoveOutcome::Kept;
        return inner_->removeFolder(path, expected);
    }
    std::unique_ptr<platform::AnchoredFolder> openFolder(const std::string& path,
                                                         platform::AnchorReach reach) override {
        return Wrapped(owner_, inner_->openFolder(path, reach));
    }

    /// inner under owner's rules; nullptr when there is no inner anchor.
    static std::unique_ptr<platform::AnchoredFolder>
    Wrapped(FaultInjectingFileSystem& owner, std::unique_ptr<platform::AnchoredFolder> inner) {
        if (!inner)
            return nullptr;
        return std::make_unique<FaultInjectingAnchor>(owner, std::move(inner));
    }

private:
    FaultInjectingFileSystem& owner_;
    std::unique_ptr<platform::AnchoredFolder> inner_;
};

} // namespace

std::unique_ptr<platform::AnchoredFolder>
FaultInjectingFileSystem::openAnchor(const std::string& path, platform::AnchorReach reach) {
    return FaultInjectingAnchor::Wrapped(*this, inner_.openAnchor(path, reach));
}

namespace {

/// An append file whose appends fail, as on a full disk, where a rule says so.
class FaultyAppendFile : public platform::AppendFile {
public:
    FaultyAppendFile(const FaultInjectingFileSystem& fs, std::string path,
                     std::unique_ptr<platform::AppendFile> inner)
        : fs_(fs), path_(std::move(path)), inner_(std::move(inner)) {}
    bool append(std::string_view bytes) override {
        if (const FaultRule* rule = fs_.failingRule(FsOp::AppendFile, path_)) {
            error_ = rule->error != 0 ? rule->error : ENOSPC;
            return false;
        }
        return inner_->append(bytes);
    }
    bool sync() override { return inner_->sync(); }
    bool truncate(std::uint64_t size) override { return inner_->truncate(size); }
    std::uint64_t size() const override { return inner_->size(); }
    int error() const override { return error_ != 0 ? error_ : inner_->error(); }

private:
    const FaultInjectingFileSystem& fs_;
    std::string path_;
    std::unique_ptr<platform::AppendFile> inner_;
    int error_ = 0;
};

} // namespace

std::unique_ptr<platform::AppendFile>
FaultInjectingFileSystem::openAppendFile(const std::string& path, platform::AppendOpen how,
                                         int* error) {
    auto inner = inner_.openAppendFile(path, how, error);
    if (!inner)
        return nullptr;
    return std::make_unique<FaultyAppendFile>(*this, path, std::move(inner));
}

} // namespace dirforge::testing
