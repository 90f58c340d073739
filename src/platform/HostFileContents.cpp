#include "platform/HostFileContents.h"

#include <array>
#include <cerrno>
#include <sys/types.h>
#include <unistd.h>

namespace dirforge::platform {

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool CopyContents(int from, int to) {
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!WriteAll(to, buffer.data(), static_cast<std::size_t>(got)))
            return false;
    }
}

} // namespace dirforge::platform
