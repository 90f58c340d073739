#include "platform/FailureReason.h"

#include "platform/PortableNames.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace dirforge::platform {

namespace {

/// The longest name a folder entry may have on the host's file systems.
constexpr std::size_t kLongestName = 255;

thread_local std::string noted;

/// Noting a cause leaves errno as the failed call left it, for the caller's own tests.
class ErrnoKept {
public:
    ErrnoKept() : error_(errno) {}
    ~ErrnoKept() { errno = error_; }
    ErrnoKept(const ErrnoKept&) = delete;
    ErrnoKept& operator=(const ErrnoKept&) = delete;

private:
    int error_;
};

const char* KnownReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "permission denied";
    case ENOSPC:
        return "no space left on the drive";
    case EDQUOT:
        return "disk quota exceeded";
    case EROFS:
        return "read-only file system";
    case ENAMETOOLONG:
        return "path too long";
    case ELOOP:
    case EXDEV: // a resolution that would leave the folder it started from: through a link
        return "a link stands here";
    case ENOTDIR:
        return "a file stands where a folder is needed";
    case EEXIST:
        return "something stands there already";
    case ENOENT:
        return "no longer there";
    case ENOTEMPTY:
        return "not empty";
    case EBUSY:
    case ETXTBSY:
        return "in use";
    case EMLINK:
        return "too many folders in one folder";
    case EMFILE:
    case ENFILE:
        return "too many open files";
    case ENOMEM:
        return "out of memory";
    case EFBIG:
        return "file too large for the drive";
    case EIO:
        return "could not be read or written (input/output error)";
    default:
        return nullptr;
    }
}

} // namespace

std::string ReasonOfError(int error) {
    if (const char* known = KnownReason(error))
        return known;
    std::string text = std::strerror(error);
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z' && (text.size() < 2 || text[1] > 'Z'))
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

std::string SpecialFileReason(unsigned mode) {
    const char* kind = S_ISFIFO(mode)   ? "FIFO"
                       : S_ISSOCK(mode) ? "socket"
                       : S_ISCHR(mode)  ? "character device"
                       : S_ISBLK(mode)  ? "block device"
                                        : "unknown kind";
    return std::string("not a regular file or folder (") + kind + ")";
}

std::string RefusedNameReason(std::string_view element) {
    if (!IsRefusedName(element))
        return {};
    for (const char c : element) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32)
            return "refused control character " + std::to_string(code);
        if (std::strchr("<>:\"|?*", c) != nullptr)
            return std::string("refused character ") + c;
    }
    if (element.back() == '.')
        return "refused name ending in a dot";
    if (element.back() == ' ')
        return "refused name ending in a blank";
    std::string_view device = element.substr(0, element.find('.'));
    while (!device.empty() && device.back() == ' ')
        device.remove_suffix(1);
    return "refused device name " + std::string(device);
}

void NoteError(int error, int folder, std::string_view name) {
    const ErrnoKept kept;
    if (error == ENOSPC && folder >= 0) {
        struct statvfs drive;
        if (::fstatvfs(folder, &drive) == 0 && drive.f_favail == 0 && drive.f_bavail > 0) {
            noted = "no free inodes";
            return;
        }
    }
    if (error == ENAMETOOLONG && name.size() > kLongestName) {
        noted = "name longer than 255 bytes";
        return;
    }
    noted = ReasonOfError(error);
}

void NoteReason(std::string reason) {
    noted = std::move(reason);
}

void NoteInTheWay(int folder, const char* name) {
    const ErrnoKept kept;
    struct stat st;
    if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        NoteError(errno, folder, name);
    else if (S_ISLNK(st.st_mode))
        noted = "a link stands here";
    else if (S_ISREG(st.st_mode))
        noted = "a file stands here";
    else if (!S_ISDIR(st.st_mode))
        noted = SpecialFileReason(st.st_mode);
    else
        noted = "could not be entered";
}

void NoteUnreadable(int error, int folder, const char* name) {
    const ErrnoKept kept;
    struct stat st {};
    const bool asked = ::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (asked && S_ISLNK(st.st_mode))
        noted = "a link stands here";
    else if (asked && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        noted = SpecialFileReason(st.st_mode);
    else
        NoteError(error, folder, name);
}

std::string TakeReason(const char* fallback) {
    std::string reason = noted.empty() ? std::string(fallback) : std::move(noted);
    noted.clear();
    return reason;
}

void ForgetReason() {
    noted.clear();
}

} // namespace dirforge::platform
