#pragma once
// How the undo journal writes texts, identities and records (shared by its writer, its whole-file
// form and its reader). Paths that are not valid UTF-8 are stored byte-exact as {"hex": ...}.

#include "engine/PageKind.h"
#include "engine/RunResults.h"
#include "platform/FileIdentity.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dirforge::engine::journal {

inline constexpr int kLinesVersion = 3;
inline constexpr const char* kHexKey = "hex";

bool IsUtf8(std::string_view text);
/// Appends text as a JSON string, or {"hex": ...} when it is not UTF-8.
void AppendText(std::string& out, std::string_view text);
/// A number as JSON writes it.
void AppendNumber(std::string& out, std::uint64_t value);
void AppendNumber(std::string& out, std::int64_t value);
/// Appends [device, inode, size, time] (a folder: [device, inode]).
void AppendIdentity(std::string& out, const platform::FileIdentity& identity);
void AppendIdentity(std::string& out, const platform::FolderIdentity& identity);

/// The header line (with its newline).
std::string HeaderLine(PageKind page, std::string_view attachLetter, std::string_view destination,
                       const RunCounters& counters);
/// {"drive":"f","root":...} and the other record lines, each with its newline.
void AppendDrive(std::string& out, char letter, std::string_view root);
void AppendAnchor(std::string& out, const RunAnchor& anchor);
/// {"made":...}; with list ("created" or "sub"), the folder is on that result list too, as a
/// {"created": path} record after it would say. An empty path writes {"made":true}: the folder
/// the last {"making"} record names (likewise {"file":true} after {"copying"}).
void AppendMade(std::string& out, std::string_view path, const platform::FolderIdentity& identity,
                std::string_view list = {});
void AppendPathRecord(std::string& out, std::string_view key, std::string_view path);
void AppendFileRecord(std::string& out, std::string_view key, std::string_view path,
                      const platform::FileIdentity& identity);
/// The undo block: {"undo":1}, the failures, {"undone":[folders, files]}.
void AppendUndoBlock(std::string& out, const RunResults& results);

} // namespace dirforge::engine::journal
