#include "engine/StructureScan.h"

#include "core/TextRules.h"
#include "engine/FolderStructSize.h"

#include <cctype>
#include <charconv>
#include <map>
#include <set>

namespace dirforge::engine {

namespace {

void AddScan(platform::FileSystem& fs, const std::string& line, bool countRoot, bool withFiles,
             StructureTotals& totals, FileSizeMap& sizes, StructureSnapshot* snapshot) {
    const std::string root = core::Trim(line);
    if (core::TrimSpaces(root).empty())
        return;
    StructureListing listing;
    FolderStructSize scan(fs, root);
    scan.SetCountRoot(countRoot);
    if (snapshot != nullptr)
        scan.KeepListing(&listing);
    scan.Scan();
    StructureTotals own{scan.FolderCount(), 0, 0};
    sizes.insert(scan.FileSizes().begin(),
                 scan.FileSizes().end()); // an existing key keeps its size
    if (withFiles) {
        own.bytes = scan.TotalBytes();
        own.files = scan.FileCount();
    }
    totals.subfolders += own.subfolders;
    totals.files += own.files;
    totals.bytes += own.bytes;
    if (snapshot != nullptr) {
        listing.rootIsFolder = fs.folderExists(root);
        listing.totals = own;
        snapshot->structures.try_emplace(root, std::move(listing));
    }
}

std::string FixedTwoDecimals(double value) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    return std::string(buffer, end);
}

/// Six significant digits in the shorter of fixed or exponent notation, as printf's "%g".
std::string SixSignificantDigits(double value) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr;
    return std::string(buffer, end);
}

std::string SpaceMessage(const std::string& root, std::uint64_t freeBytes,
                         const std::string& requiredSize, const std::string& requiredNumber) {
    return "There is not enough space on the disk.\nThe free space on the disk " + root +
           " is : " + SizeText(freeBytes) + "    " + std::to_string(freeBytes) + " bytes\n" +
           "The program requires : " + requiredSize + "    " + requiredNumber + " bytes.";
}

} // namespace

void ComputeStructureTotals(platform::FileSystem& fs,
                            const std::vector<std::string>& structureLines, CopyVariant variant,
                            bool withFiles, StructureTotals& totals, FileSizeMap& sizes,
                            const std::string* extraFolder, StructureSnapshot* snapshot) {
    totals = StructureTotals{};
    sizes.clear();
    if (snapshot != nullptr)
        *snapshot = StructureSnapshot{structureLines, variant, withFiles, {}};
    const bool countRoot = CopiesMainFolder(variant);
    for (const auto& line : structureLines)
        AddScan(fs, line, countRoot, withFiles, totals, sizes, snapshot);
    if (extraFolder != nullptr)
        AddScan(fs, *extraFolder, countRoot, withFiles, totals, sizes, nullptr);
}

std::string DriveRootOf(const std::string& path) {
    std::string drive, remainder;
    if (!core::SplitAtColon(path, drive, remainder))
        return {};
    drive = core::TrimSpaces(drive);
    if (drive.empty() || std::isalpha(static_cast<unsigned char>(drive.front())) == 0)
        return {};
    return std::string(1, drive.front()) + ":\\";
}

std::uint64_t FreeSpaceOf(const platform::FileSystem& fs, const std::string& path) {
    const std::string root = DriveRootOf(path);
    return root.empty() ? 0 : fs.freeSpace(root);
}

std::string MissingDriveMessage(const platform::FileSystem& fs,
                                const std::vector<std::string>& paths) {
    std::set<std::string> roots;
    for (const auto& path : paths) {
        std::string root = DriveRootOf(path);
        if (!root.empty()) {
            root[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(root[0])));
            roots.insert(std::move(root));
        }
    }
    for (const auto& root : roots) {
        if (fs.folderExists(root))
            continue;
        std::string present;
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            const std::string other{letter, ':', '\\'};
            if (fs.folderExists(other))
                present += (present.empty() ? "" : "  ") + other;
        }
        return "The disk " + root +
               " is not available: no folder is mapped to it, or its folder is missing.\n" +
               "The disks that are available : " +
               (present.empty() ? std::string("none") : present);
    }
    return {};
}

std::string SizeText(std::uint64_t bytes) {
    const double value = static_cast<double>(bytes);
    struct Unit {
        double size;
        const char* name;
    };
    static constexpr Unit kUnits[] = {{1073741824.0, " GB"}, {1048576.0, " MB"}, {1024.0, " KB"}};
    for (const Unit& unit : kUnits)
        if (value / unit.size > 1)
            return FixedTwoDecimals(value / unit.size) + unit.name;
    return FixedTwoDecimals(value) + " Bytes";
}

std::string NotEnoughSpaceMessage(const std::string& root, std::uint64_t freeBytes,
                                  double required) {
    // SizeText takes whole bytes; a requirement beyond 2^64 is shown at that ceiling.
    const std::uint64_t wholeRequired =
        required >= 18446744073709551615.0 ? UINT64_MAX : static_cast<std::uint64_t>(required);
    return SpaceMessage(root, freeBytes, SizeText(wholeRequired), SixSignificantDigits(required));
}

std::string NotEnoughSpaceMessage(const std::string& root, std::uint64_t freeBytes,
                                  std::uint64_t required) {
    return SpaceMessage(root, freeBytes, SizeText(required), std::to_string(required));
}

bool CheckFreeSpace(const platform::FileSystem& fs, const std::string& destination,
                    std::size_t names, const StructureTotals& totals, std::string& message) {
    message.clear();
    if (names == 0)
        return false;
    const double required = static_cast<double>(totals.bytes) * static_cast<double>(names);
    const std::uint64_t freeBytes = FreeSpaceOf(fs, destination);
    if (static_cast<double>(freeBytes) > required)
        return true;
    message = NotEnoughSpaceMessage(DriveRootOf(destination), freeBytes, required);
    return false;
}

bool CheckFreeSpacePerDrive(const platform::FileSystem& fs, const std::vector<std::string>& targets,
                            const StructureTotals& totals, std::string& message) {
    message.clear();
    if (targets.empty())
        return false;
    std::map<std::string, std::uint64_t> requiredByKey; // std::string orders byte-wise
    for (const auto& target : targets) {
        std::string drive, remainder;
        const std::string trimmed = core::TrimSpaces(target);
        if (!core::SplitAtColon(trimmed, drive, remainder))
            drive.clear();
        std::uint64_t& required = requiredByKey[drive];
        required = required > UINT64_MAX - totals.bytes ? UINT64_MAX : required + totals.bytes;
    }
    for (const auto& [key, required] : requiredByKey) {
        const std::uint64_t freeBytes = FreeSpaceOf(fs, key);
        if (required > freeBytes) {
            message = NotEnoughSpaceMessage(DriveRootOf(key), freeBytes, required);
            return false;
        }
    }
    return true;
}

} // namespace dirforge::engine
