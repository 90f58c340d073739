#include "cli/InputFiles.h"

#include "cli/BatchOptions.h"
#include "lists/TextDecoder.h"
#include "lists/TextLines.h"

#include <algorithm>
#include <ostream>

namespace dirforge::cli {

namespace {

std::string SizeText(std::uint64_t bytes) {
    if (bytes >= (std::uint64_t{1} << 30) && bytes % (std::uint64_t{1} << 30) == 0)
        return std::to_string(bytes >> 30) + " GiB";
    return std::to_string(bytes >> 20) + " MiB";
}

/// The content of a read that went through, or the UsageError saying why it did not.
std::string ContentOf(platform::TextFileRead read, const std::string& file,
                      const std::string& option, std::uint64_t limit) {
    if (read.tooLarge)
        throw UsageError(option + ": " + file + " is larger than " + SizeText(limit) +
                         ", more than such a file may hold; split it or name another file");
    if (!read.content)
        throw UsageError(option + ": " + file + " cannot be read");
    return std::move(*read.content);
}

/// The refusal of a file with a NUL; text ends at the first one.
UsageError NotTextError(std::string_view text, const std::string& file, const std::string& option) {
    const auto line = 1 + std::count(text.begin(), text.end(), '\n');
    return UsageError(option + ": " + file + " is not a text file (a NUL byte on line " +
                      std::to_string(line) + ")");
}

} // namespace

std::string ReadInputFile(const platform::FileSystem& fs, const std::string& file,
                          const std::string& option, std::uint64_t limit) {
    platform::TextFileRead read = fs.readTextFile(file, limit);
    const bool nulByte = read.nulByte;
    std::string content = ContentOf(std::move(read), file, option, limit);
    if (nulByte)
        throw NotTextError(content, file, option);
    return content;
}

std::string ReadListInputFile(const platform::FileSystem& fs, const std::string& file,
                              const std::string& option, std::ostream& err) {
    platform::TextFileRead read =
        fs.readTextFile(file, kListFileLimit, lists::StartsWithWideByteOrderMark);
    const bool nulByte = read.nulByte;
    std::string content = ContentOf(std::move(read), file, option, kListFileLimit);
    if (nulByte && !lists::StartsWithWideByteOrderMark(content))
        throw NotTextError(content, file, option);
    lists::DecodedText decoded = lists::DecodeText(std::move(content));
    const std::string_view text = decoded.text;
    if (lists::HoldsBinaryContent(text))
        throw NotTextError(text.substr(0, text.find('\0')), file, option);
    if (const std::string note = lists::EncodingNote(decoded.encoding); !note.empty())
        err << "dirforge-cli: " << option << ": " << file << " is " << note << "\n";
    return std::move(decoded.text);
}

} // namespace dirforge::cli
