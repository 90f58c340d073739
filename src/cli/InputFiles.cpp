#include "cli/InputFiles.h"

#include "cli/BatchOptions.h"

#include <algorithm>

namespace dirforge::cli {

namespace {

std::string SizeText(std::uint64_t bytes) {
    if (bytes >= (std::uint64_t{1} << 30) && bytes % (std::uint64_t{1} << 30) == 0)
        return std::to_string(bytes >> 30) + " GiB";
    return std::to_string(bytes >> 20) + " MiB";
}

} // namespace

std::string ReadInputFile(const platform::FileSystem& fs, const std::string& file,
                          const std::string& option, std::uint64_t limit) {
    platform::TextFileRead read = fs.readTextFile(file, limit);
    if (read.tooLarge)
        throw UsageError(option + ": " + file + " is larger than " + SizeText(limit) +
                         ", more than such a file may hold; split it or name another file");
    if (!read.content)
        throw UsageError(option + ": " + file + " cannot be read");
    if (read.nulByte) {
        const auto line = 1 + std::count(read.content->begin(), read.content->end(), '\n');
        throw UsageError(option + ": " + file + " is not a text file (a NUL byte on line " +
                         std::to_string(line) + ")");
    }
    return std::move(*read.content);
}

} // namespace dirforge::cli
