// Paths as a user types them on a Linux desktop, turned into drive form in one place.
#include "platform/TypedPaths.h"

#include <gtest/gtest.h>

#include <string>

using dirforge::platform::DriveMap;
using dirforge::platform::TypedPath;
using dirforge::platform::TypedPathToDrive;

namespace {

DriveMap mapWithRoot() {
    DriveMap drives; // c: is "/"
    drives.map('f', "/srv/data");
    drives.map('g', "/srv/data/archive");
    return drives;
}

DriveMap withoutRoot() {
    DriveMap drives;
    drives.map('c', "/opt/c"); // "/" is no longer a drive: most host paths lie on none
    drives.map('f', "/srv/data");
    return drives;
}

} // namespace

TEST(TypedPaths, HostAndForwardSlashPathsBecomeDriveFormEverythingElseStays) {
    const DriveMap drives = mapWithRoot();
    using Kind = TypedPath::Kind;
    const struct {
        const char* typed;
        Kind kind;
        const char* path;
    } cases[] = {
        // Host paths: the longest mapped root that contains them wins.
        {"/srv/data/Clients", Kind::Converted, "f:\\Clients"},
        {"  /srv/data/Clients/A/  ", Kind::Converted, "f:\\Clients\\A"},
        {"/srv/data/archive/2015", Kind::Converted, "g:\\2015"},
        {"/srv/data", Kind::Converted, "f:\\"},
        {"/srv/database", Kind::Converted, "c:\\srv\\database"}, // not below f:'s root
        {"/srv//data/./x/../Clients", Kind::Converted, "f:\\Clients"},
        {"~/Clients", Kind::Converted, "f:\\home\\ann\\Clients"},
        {"~", Kind::Converted, "f:\\home\\ann"},
        // Drive paths with forward slashes, turned around as typed slashes are everywhere.
        {"f:/Clients/A", Kind::Converted, "f:\\Clients\\A"},
        {"F:/Clients\\A", Kind::Converted, "F:\\Clients\\A"},
        // Everything else is left as typed, for the checks that follow.
        {"f:\\Clients\\A", Kind::Unchanged, "f:\\Clients\\A"},
        {"Clients/A", Kind::Unchanged, "Clients/A"},
        {"\\Docs\\Drafts", Kind::Unchanged, "\\Docs\\Drafts"},
        {"~ann/Clients", Kind::Unchanged, "~ann/Clients"},
        {"", Kind::Unchanged, ""},
        {"f:\\A g:/B", Kind::Converted, "f:\\A g:\\B"},
    };
    for (const auto& c : cases) {
        const TypedPath result = TypedPathToDrive(drives, c.typed, "/srv/data/home/ann");
        EXPECT_EQ(result.kind, c.kind) << c.typed;
        EXPECT_EQ(result.path, c.path) << c.typed;
    }
}

TEST(TypedPaths, HostPathsOnNoDriveAreUnmappedAndKeepTheirText) {
    const DriveMap drives = withoutRoot();
    for (const char* typed : {"/home/ann/Clients", "/opt/cx", "~/Clients"}) {
        const TypedPath result = TypedPathToDrive(drives, typed, "/home/ann");
        EXPECT_EQ(result.kind, TypedPath::Kind::Unmapped) << typed;
        EXPECT_EQ(result.path, typed);
    }
    // Without a known home folder "~" names nothing.
    EXPECT_EQ(TypedPathToDrive(mapWithRoot(), "~/A", "").kind, TypedPath::Kind::Unmapped);
}

TEST(TypedPaths, TheUnmappedMessageNamesEveryMappedDrive) {
    const std::string message =
        dirforge::platform::UnmappedPathMessage(withoutRoot(), " /home/ann ");
    EXPECT_NE(message.find("/home/ann\n"), std::string::npos) << message;
    EXPECT_NE(message.find("c:  /opt/c\n"), std::string::npos) << message;
    EXPECT_NE(message.find("f:  /srv/data\n"), std::string::npos) << message;
    const auto mapped = dirforge::platform::MappedDrives(mapWithRoot());
    ASSERT_EQ(mapped.size(), 3u);
    EXPECT_EQ(mapped[0], (std::pair<char, std::string>{'c', "/"}));
    EXPECT_EQ(mapped[2], (std::pair<char, std::string>{'g', "/srv/data/archive"}));
}
