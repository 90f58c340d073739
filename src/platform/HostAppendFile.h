#pragma once
// The host's file of the program's own that records are appended to (a journal written ahead).

#include "platform/FileSystem.h"

#include <cstdint>
#include <memory>

namespace dirforge::platform {

/// An append file on fd (open for reading and writing, size bytes long), which it owns. Records
/// are stored into a shared mapping of room reserved ahead with fallocate: stores into it outlive
/// a killed process as a write() does, without a system call per record. A killed process
/// leaves the reserved room as zeros after the last record (the journal reader stops there);
/// the file is cut to its records when closed. The first record of an empty file is written
/// with pwrite, so no file holds reserved zeros alone. Where the file system cannot reserve room,
/// and once reserving fails (a full disk), records are written with pwrite as before.
std::unique_ptr<AppendFile> MakeHostAppendFile(int fd, std::uint64_t size);

} // namespace dirforge::platform
