#include "platform/ProgramHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using dirforge::platform::EnterProgramHome;
using dirforge::platform::ProgramHomeFolder;

namespace {

namespace fs = std::filesystem;

/// The process's current folder for the lifetime of this object; the previous one comes back.
class KeepCurrentFolder {
public:
    KeepCurrentFolder() : previous_(fs::current_path()) {}
    ~KeepCurrentFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

fs::path FreshFolder(const char* name) {
    const fs::path folder =
        fs::temp_directory_path() / ("dirforge-home-" + std::to_string(::getpid())) / name;
    fs::remove_all(folder);
    fs::create_directories(folder.parent_path());
    return folder;
}

} // namespace

TEST(ProgramHome, FolderChosenFromTheEnvironment) {
    const struct {
        const char* why;
        std::map<std::string, std::string> environment;
        std::string expected;
    } cases[] = {
        {"own variable first",
         {{"DIRFORGE_HOME", "/srv/df"}, {"XDG_DATA_HOME", "/x"}, {"HOME", "/home/a"}},
         "/srv/df"},
        {"own variable relative to the start folder",
         {{"DIRFORGE_HOME", "build/home"}, {"HOME", "/home/a"}},
         "/work/start/build/home"},
        {"own variable tidied", {{"DIRFORGE_HOME", "/srv/./df/"}}, "/srv/df"},
        {"empty own variable is unset",
         {{"DIRFORGE_HOME", ""}, {"XDG_DATA_HOME", "/x/data"}},
         "/x/data/dirforge"},
        {"data home", {{"XDG_DATA_HOME", "/x/data/"}, {"HOME", "/home/a"}}, "/x/data/dirforge"},
        {"relative data home is ignored",
         {{"XDG_DATA_HOME", "data"}, {"HOME", "/home/a"}},
         "/home/a/.local/share/dirforge"},
        {"home only", {{"HOME", "/home/a"}}, "/home/a/.local/share/dirforge"},
        {"no home at all", {{"HOME", ""}}, ""},
        {"relative home is no home", {{"HOME", "a"}}, ""},
    };
    for (const auto& c : cases) {
        const auto lookup = [&c](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found != c.environment.end() ? found->second.c_str() : nullptr;
        };
        EXPECT_EQ(ProgramHomeFolder(lookup, "/work/start"), c.expected) << c.why;
    }
}

TEST(ProgramHome, EnteringMakesTheMissingFoldersPrivateAndCurrent) {
    KeepCurrentFolder keep;
    const fs::path base = FreshFolder("enter");
    const fs::path home = base / "share" / "dirforge";
    std::string error;
    ASSERT_TRUE(EnterProgramHome(home.string(), error)) << error;
    EXPECT_EQ(fs::current_path(), home);
    for (const fs::path& made : {base, base / "share", home}) {
        struct stat st;
        ASSERT_EQ(::stat(made.c_str(), &st), 0) << made;
        EXPECT_EQ(st.st_mode & 0777, 0700u) << made;
    }

    // A second start finds it and leaves what is in it alone.
    std::ofstream(home / "default.set") << "kept";
    fs::current_path(base);
    ASSERT_TRUE(EnterProgramHome(home.string(), error)) << error;
    EXPECT_EQ(fs::current_path(), home);
    EXPECT_EQ(fs::file_size(home / "default.set"), 4u);
    fs::remove_all(base);
}

TEST(ProgramHome, AFolderThatCannotBeMadeIsReportedAndNothingChanges) {
    KeepCurrentFolder keep;
    const fs::path base = FreshFolder("blocked");
    fs::create_directories(base);
    std::ofstream(base / "share") << "a file where a folder should be";
    fs::current_path(base);
    const struct {
        std::string folder;
        std::string mentioned;
    } cases[] = {
        {(base / "share" / "dirforge").string(), (base / "share").string()},
        {(base / "share").string(), (base / "share").string()},
        {"", "HOME"},
        {"relative/home", "HOME"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(EnterProgramHome(c.folder, error)) << c.folder;
        EXPECT_NE(error.find(c.mentioned), std::string::npos) << error;
        EXPECT_EQ(fs::current_path(), base) << c.folder;
    }
    fs::remove_all(base);
}
