#pragma once
// Plain reads and writes on open host descriptors, shared by the path-based and the anchored
// file systems.

#include <cstddef>

namespace dirforge::platform {

/// Writes all of data to fd, going on after interrupted writes; false on any other failure.
bool WriteAll(int fd, const char* data, std::size_t size);
/// Copies everything from one open descriptor to another; false when a read or write fails.
bool CopyContents(int from, int to);

} // namespace dirforge::platform
