#pragma once
// A FileSystem decorator that makes chosen operations fail on chosen paths and forwards
// everything else. Tests run as root, where permission bits make nothing fail; this is how a
// test produces a failing create, copy, delete or removal. Typical use:
//
//     TempDrives drives;
//     FaultInjectingFileSystem faulty(drives.fs());
//     faulty.failAlways(FsOp::CreateFolder, "f:\\x\\b");       // "f:\x\b" can never be made
//     faulty.failOnce(FsOp::DeleteFile, "f:\\x\\a.txt");        // first delete of it fails
//     faulty.failPrefix(FsOp::RemoveEmptyFolder, "f:\\x");      // f:\x and all below it stay
//     faulty.failAfter(FsOp::CopyFile, 2);                      // copies 3, 4, ... fail
//     faulty.failPrefix(FsOp::CloneFile, "f:\\x");             // no clone below f:\x
//
// Paths match case-insensitively with "/" and "\" alike; a prefix matches whole elements
// ("f:\x" covers "f:\x" and "f:\x\b", not "f:\xy"). A copy matches on its source or its target.
// A failure notes its cause as the host's would (platform::NoteError): EACCES unless the rule
// names another errno (failWith).
// A CreateFolder rule on folder X also fails a request for a folder below X while X is missing:
// the missing parents above X are made (and reported), then the request fails, as a real refusal
// halfway down would.
//
// Folders opened with openAnchor obey the same rules (paths in drive form below the anchor), and
// a hook set with beforeCall runs before every call, so a test can change the disk in the middle
// of a run, a copy or an undo (swap a folder for a link, edit a file):
//
//     faulty.beforeCall([&](FsOp op, const std::string& path) { if (op == FsOp::CopyFile) ... });

#include "platform/FileSystem.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace dirforge::testing {

/// The operations a fault can be put on.
enum class FsOp {
    CreateFolder,
    FolderExists,
    FileExists,
    IsLink,
    ListFolder,
    FileSize,
    CopyFile,
    DeleteFile,
    RemoveEmptyFolder,
    FreeSpace,
    ReadFile,
    WriteFile,
    AppendFile, ///< each append to a file opened with openAppendFile (a journal); fails as ENOSPC
    /// A clone of a copied file, refused as by a file system that cannot share blocks
    /// (EOPNOTSUPP): the copy goes on without it.
    CloneFile,
    OpenToRead ///< the dry run's look at a structure file the copy will read
};

/// One injected fault: which operation, which paths, after how many passing calls, how often.
struct FaultRule {
    FsOp op = FsOp::CreateFolder;
    std::string path;    ///< "" matches every path
    bool prefix = false; ///< match path and everything below it
    int passFirst = 0;   ///< matching calls that still succeed before the fault starts
    int failTimes = -1;  ///< matching calls that fail once it started; -1 = always
    /// The errno the failure gives as its cause (0: EACCES, ENOSPC for an append).
    int error = 0;
};

class FaultInjectingFileSystem : public platform::FileSystem {
public:
    /// Forwards to inner (which must outlive this object).
    explicit FaultInjectingFileSystem(platform::FileSystem& inner) : inner_(inner) {}

    /// Adds a rule. A call fails when any rule matching it is past passFirst and not yet spent.
    FaultInjectingFileSystem& add(FaultRule rule);
    /// Every call of op on exactly path fails.
    FaultInjectingFileSystem& failAlways(FsOp op, std::string path);
    /// The next call of op on exactly path fails; later ones pass.
    FaultInjectingFileSystem& failOnce(FsOp op, std::string path);
    /// Every call of op on path or anything below it fails.
    FaultInjectingFileSystem& failPrefix(FsOp op, std::string path);
    /// Every call of op on path or below it fails with error (an errno) as its cause.
    FaultInjectingFileSystem& failWith(FsOp op, std::string path, int error);
    /// The first `passing` calls of op (any path) succeed, every later one fails.
    FaultInjectingFileSystem& failAfter(FsOp op, int passing);
    /// Drops every rule; calls forward unchanged again.
    void clear();
    /// Runs hook(op, path) before every call (a copy passes its target); an empty hook removes it.
    void beforeCall(std::function<void(FsOp, const std::string&)> hook) { hook_ = std::move(hook); }

    /// Calls made of op, failed or not.
    int callCount(FsOp op) const;
    /// Calls made to fail so far.
    int injectedFailures() const { return injected_; }

    bool createFolder(const std::string& path,
                      std::vector<std::string>* created = nullptr) override;
    bool folderExists(const std::string& path) const override;
    bool fileExists(const std::string& path) const override;
    bool isLink(const std::string& path) const override;
    std::optional<std::vector<platform::FolderEntry>>
    listFolder(const std::string& path) const override;
    std::optional<std::uint64_t> fileSize(const std::string& path) const override;
    bool copyFileExclusive(const std::string& from, const std::string& to) override;
    bool deleteFile(const std::string& path) override;
    bool removeEmptyFolder(const std::string& path) override;
    std::uint64_t freeSpace(const std::string& path) const override;
    std::string currentFolder() const override { return inner_.currentFolder(); }
    std::optional<std::string> readFile(const std::string& path) const override;
    bool opensForReading(const std::string& path) const override;
    bool writeFileAtomic(const std::string& path, const std::string& data) override;
    bool streamFileAtomic(const std::string& path,
                          const platform::ContentProducer& produce) override;
    using platform::FileSystem::readTextFile;
    platform::TextFileRead
    readTextFile(const std::string& path, std::uint64_t maxBytes,
                 const platform::NulBytesAllowed& nulBytesAllowed) const override;
    std::unique_ptr<platform::AnchoredFolder> openAnchor(const std::string& path,
                                                         platform::AnchorReach reach) override;
    std::unique_ptr<platform::AppendFile> openAppendFile(const std::string& path,
                                                         platform::AppendOpen how,
                                                         int* error = nullptr) override;

    /// Counts the call and returns the rule that makes it fail, or null; a copy passes both paths.
    const FaultRule* failingRule(FsOp op, const std::string& path,
                                 const std::string& otherPath = {}) const;
    /// The folders above the rule's folder, made as a real refusal halfway down would make them.
    std::string partBeforeRefused(const FaultRule& rule, const std::string& path) const;

private:
    struct ActiveRule {
        FaultRule rule;
        int matched = 0; // matching calls seen
    };
    bool matches(const FaultRule& rule, const std::string& path) const;

    platform::FileSystem& inner_;
    // Mutable: the const queries of the interface count calls and consume one-shot faults too.
    // A run that works on several targets at once calls from its workers too.
    mutable std::mutex lock_;
    mutable std::vector<ActiveRule> rules_;
    mutable std::map<FsOp, int> calls_;
    mutable int injected_ = 0;
    std::function<void(FsOp, const std::string&)> hook_;
};

} // namespace dirforge::testing
