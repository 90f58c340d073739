#pragma once
// Plain reads and writes on open host descriptors, shared by the path-based and the anchored
// file systems.

#include <cstddef>
#include <cstdint>
#include <string>

namespace dirforge::platform {

/// Writes all of data to fd, going on after interrupted writes; false on any other failure.
bool WriteAll(int fd, const char* data, std::size_t size);
/// Copies everything from one open file to another, new and empty: with inKernel the size
/// known first inside the kernel (copy_file_range, as cp does: no pass through this memory, and
/// on a share the server's own copy), then what is left or was refused, and what the file
/// gained since it was measured, read and written here. *kernelError is the errno of a copy
/// inside the kernel that moved nothing (0 when it did, or was not asked for). False when a read
/// or write fails.
bool CopyContents(int from, int to, std::uint64_t size, bool inKernel, int* kernelError);
/// Copies the data of a file of size bytes and none of its holes: the target, new and empty,
/// gets the same holes (where the file system keeps them) and ends at size.
bool CopySparse(int from, int to, std::uint64_t size);
/// Reads from fd until its end or until most bytes are read; false when a read fails.
bool ReadUpTo(int fd, std::uint64_t most, std::string& bytes);

} // namespace dirforge::platform
