#include "platform/DriveMap.h"
#include "platform/PortableNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

using dirforge::platform::DriveMap;

namespace {

DriveMap sampleMap() {
    DriveMap drives;
    drives.map('F', "/srv/data/");
    drives.map('g', "/srv/data/archive");
    drives.map('t', "/tmp/x");
    return drives;
}

} // namespace

TEST(DriveMap, DrivePathsMapToHostPaths) {
    const DriveMap drives = sampleMap();
    const struct {
        const char* drive;
        std::optional<std::string> host;
    } cases[] = {
        {"f:\\a\\b", "/srv/data/a/b"},
        {"F:\\a\\b", "/srv/data/a/b"},
        {"f:/a/b", "/srv/data/a/b"},
        {"f:", "/srv/data"},
        {"f:\\", "/srv/data"},
        {"f:\\\\a\\\\b\\", "/srv/data/a/b"},
        {"f:\\.\\a\\.", "/srv/data/a"},
        {"f:\\a..b\\..c", "/srv/data/a..b/..c"},
        {"c:\\etc", "/etc"},
        {"c:\\", "/"},
        {"c:", "/"},
        // Never escape a mapped root, never guess.
        {"f:\\..", std::nullopt},
        {"f:\\a\\..\\..\\etc", std::nullopt},
        {"f:/a/../b", std::nullopt},
        {"q:\\a", std::nullopt},
        {"\\a\\b", std::nullopt},
        {"a\\b", std::nullopt},
        {"", std::nullopt},
        {"f:a", std::nullopt},
        {"1:\\a", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(drives.toHost(c.drive), c.host) << c.drive;
    EXPECT_EQ(drives.toHost(std::string("f:\\a\0b", 7)), std::nullopt)
        << "a NUL would cut the path short";
}

TEST(DriveMap, HostPathsMapThroughTheLongestRootAsAWholeElement) {
    const DriveMap drives = sampleMap();
    const struct {
        const char* host;
        std::optional<std::string> drive;
    } cases[] = {
        {"/srv/data/a/b", "f:\\a\\b"},
        {"/srv/data", "f:\\"},
        {"/srv/data/", "f:\\"},
        {"/srv/data/archive/x", "g:\\x"},
        {"/srv/dataset", "c:\\srv\\dataset"},
        {"/tmp/xy", "c:\\tmp\\xy"},
        {"/tmp/x/y", "t:\\y"},
        {"//tmp/./x//y/", "t:\\y"},
        {"/", "c:\\"},
        {"relative/path", std::nullopt},
        {"/srv/data/../etc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(drives.toDrive(c.host), c.drive) << c.host;
}

TEST(DriveMap, WithoutTheDefaultDriveUnmappedHostPathsHaveNoDriveForm) {
    DriveMap drives;
    drives.map('c', "/home");
    EXPECT_EQ(drives.toDrive("/etc"), std::nullopt);
    EXPECT_EQ(drives.toDrive("/home/u"), "c:\\u");
    EXPECT_EQ(drives.rootOf('C'), "/home");
    EXPECT_EQ(drives.rootOf('z'), std::nullopt);
}

TEST(DriveMap, MappingTextIsParsedOrRejectedWhole) {
    const struct {
        const char* mappings;
        bool ok;
        std::optional<std::string> f;
        std::optional<std::string> g;
    } cases[] = {
        {"f=/srv/data;g=/mnt/archive", true, "/srv/data", "/mnt/archive"},
        {"  F = /srv/data ;  g=/mnt/archive/  ; ", true, "/srv/data", "/mnt/archive"},
        {"", true, std::nullopt, std::nullopt},
        {";;", true, std::nullopt, std::nullopt},
        {"f=/a;f=/b", true, "/b", std::nullopt},
        // Malformed: nothing of it is mapped.
        {"f=/srv/data;gg=/mnt", false, std::nullopt, std::nullopt},
        {"f=relative", false, std::nullopt, std::nullopt},
        {"f:/srv", false, std::nullopt, std::nullopt},
        {"f=", false, std::nullopt, std::nullopt},
        {"=/srv", false, std::nullopt, std::nullopt},
        {"1=/srv", false, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        DriveMap drives;
        std::string error;
        EXPECT_EQ(drives.addMappings(c.mappings, &error), c.ok) << c.mappings;
        EXPECT_EQ(error.empty(), c.ok) << c.mappings << ": " << error;
        EXPECT_EQ(drives.rootOf('f'), c.f) << c.mappings;
        EXPECT_EQ(drives.rootOf('g'), c.g) << c.mappings;
        EXPECT_EQ(drives.rootOf('c'), "/") << c.mappings;
    }
}

TEST(DriveMap, EnvironmentAddsDrivesAndReportsMalformedText) {
    ::setenv("DIRFORGE_DRIVES", "h=/srv/h", 1);
    std::string error;
    EXPECT_EQ(DriveMap::fromEnvironment(&error).toHost("h:\\x"), "/srv/h/x");
    EXPECT_TRUE(error.empty());

    ::setenv("DIRFORGE_DRIVES", "h=/srv/h;bad", 1);
    const DriveMap drives = DriveMap::fromEnvironment(&error);
    EXPECT_NE(error.find("DIRFORGE_DRIVES"), std::string::npos) << error;
    EXPECT_NE(error.find("\"bad\""), std::string::npos) << error;
    EXPECT_EQ(drives.rootOf('h'), std::nullopt);
    EXPECT_EQ(drives.rootOf('c'), "/");
    ::unsetenv("DIRFORGE_DRIVES");
}

TEST(PortableNames, RefusesWhatTheDesktopFileSystemRefuses) {
    using dirforge::platform::IsRefusedName;
    for (const char* refused :
         {"a<b",       "a>b",        "a:b",      "a\"b", "a|b",     "what?",      "*",
          "tab\there", "bell\x07",   "CON",      "con",  "Con.txt", "NUL.tar.gz", "aux",
          "PRN",       "COM1",       "com9.log", "LPT1", "lpt9",    "CON .txt",   "CONIN$",
          "conout$",   "Conin$.log", "trail.",   "x ",   "dots...", "a. "})
        EXPECT_TRUE(IsRefusedName(refused)) << refused;
    EXPECT_TRUE(IsRefusedName(std::string("a\0b", 3)));
    for (const char* allowed : {"Clients", "CONSOLE", "econ", "COM", "COM0", "COM10", "LPT",
                                "nul-report", "a.CON", ".hidden", "..dots", "Ünïcode ñame", "a b",
                                "x.y.z", "CONIN", "CONOUT$x", " lead", ".", ".."})
        EXPECT_FALSE(IsRefusedName(allowed)) << allowed;
}

TEST(PortableNames, APathIsRefusedByAnyElementButNotByItsDrive) {
    using dirforge::platform::HasRefusedElement;
    EXPECT_FALSE(HasRefusedElement("f:\\Clients\\A"));
    EXPECT_FALSE(HasRefusedElement("f:/Clients/A/"));
    EXPECT_TRUE(HasRefusedElement("f:\\Clients\\nul\\A"));
    EXPECT_TRUE(HasRefusedElement("f:\\a:b"));
    EXPECT_TRUE(HasRefusedElement("f:/x/y?"));
    EXPECT_TRUE(HasRefusedElement("f:\\Clients\\trail.\\A"));
    EXPECT_TRUE(HasRefusedElement("f:\\Clients\\x "));
    EXPECT_TRUE(HasRefusedElement("f:\\CONOUT$"));
    EXPECT_FALSE(HasRefusedElement("F:/Clients//C/./d/"));
}
