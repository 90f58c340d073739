// dirforge-cli with --profile: a page's saved set-up runs as the page would run it, options on
// the command line win over the profile's, and a profile that is not one is refused.

#include "CliRunner.h"

#include "settings/PageChoices.h"
#include "settings/Profile.h"

#include <gtest/gtest.h>

#include <fstream>

namespace dirforge::testing {
namespace {

using Strings = std::vector<std::string>;
using engine::AttachMode;
using engine::CopyVariant;

/// Writes the set-up as a profile file in the fixture's host root and gives its name there.
std::string WriteProfile(const TempDrives& drives, const settings::PageSetup& setup,
                         const std::string& name = "work.set") {
    std::ofstream(drives.hostRoot() + "/" + name, std::ios::binary)
        << settings::WriteProfileRecords(setup);
    return name;
}

/// Strings page: destination f:\Out, names Acme and Beta, prefix P, hyphen, template \Docs\In kept.
settings::PageSetup StringsSetup() {
    settings::PageSetup setup;
    setup.strings.cboVol02DestFoldersHistory = {"g:\\Elsewhere", "f:\\Out"};
    setup.strings.cboVol02DestFoldersText = "f:\\Out";
    setup.strings.lstVol02IncludeStrings = {"Acme", "Beta"};
    settings::StoreChoices({"P",
                            "",
                            true,
                            AttachMode::TextTemplates,
                            CopyVariant::MainFolderWithoutFiles,
                            {"\\Cust\\Cust_Docs"},
                            true,
                            true},
                           setup.strings);
    setup.templateOptions[2] = {0, 0, "", 1, 0}; // drop the first folder
    return setup;
}

TEST(CliProfile, RunsThePagesSetUpAndCommandLineOptionsWin) {
    const struct {
        const char* name;
        Strings extra;
        Strings tree; // below f:\Out
    } cases[] = {
        {"as saved", {}, {"P-Acme\\", "P-Acme\\Cust_Docs\\", "P-Beta\\", "P-Beta\\Cust_Docs\\"}},
        {"another name and prefix",
         {"--name", "Zed", "--prefix", "Q"},
         {"Q-Zed\\", "Q-Zed\\Cust_Docs\\"}},
        {"another template option",
         {"--template-option", "replace-first"},
         {"P-Acme\\", "P-Acme\\P-Acme_Docs\\", "P-Beta\\", "P-Beta\\P-Beta_Docs\\"}},
        {"nothing attached", {"--attach", "nothing"}, {"P-Acme\\", "P-Beta\\"}},
    };
    for (const auto& c : cases) {
        TempDrives drives;
        Strings args{"strings", "--profile", WriteProfile(drives, StringsSetup())};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliResult result = RunCli(drives, args);
        ASSERT_EQ(result.status, 0) << c.name << ": " << result.err;
        EXPECT_EQ(drives.listTree("f:\\Out"), c.tree) << c.name;
    }
}

TEST(CliProfile, NumbersAndPathsPagesRunFromTheProfile) {
    TempDrives drives;
    settings::PageSetup setup;
    setup.numbers.cboVol03DestFoldersText = "g:\\N";
    setup.numbers.edtVol03StartNumber = "8";
    setup.numbers.edtVol03EndNumber = "10";
    setup.numbers.chkVol03PaddedZeroes = 1;
    settings::StoreChoices(
        {"C", "", true, AttachMode::Nothing, CopyVariant::MainFolderWithoutFiles, {}, true, true},
        setup.numbers);
    setup.paths.lstVol04IncludeFolderList = {"f:\\A\\B", "g:\\C"};
    settings::StoreChoices(
        {"", "S", false, AttachMode::Nothing, CopyVariant::MainFolderWithoutFiles, {}, true, true},
        setup.paths);
    const std::string profile = WriteProfile(drives, setup);

    CliResult result = RunCli(drives, {"numbers", "--profile", profile});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(drives.listTree("g:\\N"), (Strings{"C-08\\", "C-09\\", "C-10\\"}));
    result = RunCli(drives, {"numbers", "--profile", profile, "--start", "11", "--end", "11",
                             "--dest", "f:\\M"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(drives.listTree("f:\\M"), (Strings{"C-11\\"}));
    result = RunCli(drives, {"paths", "--profile", profile});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(drives.listTree("f:\\A"), (Strings{"BS\\"}));
    EXPECT_TRUE(drives.isFolder("g:\\CS"));
}

TEST(CliProfile, AFileThatIsNoProfileOrLacksWhatTheRunNeedsIsAUsageError) {
    TempDrives drives;
    std::ofstream(drives.hostRoot() + "/notes.set") << "f:\\Clients\\A\n";
    settings::PageSetup namesOnly;
    namesOnly.strings.lstVol02IncludeStrings = {"A"};
    const struct {
        const char* name;
        Strings args;
        const char* said;
    } cases[] = {
        {"text file", {"strings", "--profile", "notes.set"}, "cannot be used"},
        {"missing file", {"strings", "--profile", "absent.set"}, "cannot be used"},
        {"numbers without destination",
         {"numbers", "--profile", WriteProfile(drives, {}, "empty.set")},
         "--dest"},
        {"strings without destination",
         {"strings", "--profile", WriteProfile(drives, namesOnly, "names.set")},
         "--dest"},
        {"paths without paths", {"paths", "--profile", "empty.set"}, "paths needs"},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli(drives, c.args);
        EXPECT_EQ(result.status, 2) << c.name;
        EXPECT_NE(result.err.find(c.said), std::string::npos) << c.name << ": " << result.err;
        EXPECT_EQ(drives.listTree("f:\\"), Strings{}) << c.name;
    }
}

TEST(CliProfile, WithoutAProfileTheRequiredOptionsStayRequired) {
    TempDrives drives;
    for (const Strings& args :
         {Strings{"strings", "--name", "A"}, Strings{"numbers", "--dest", "f:\\N"}}) {
        const CliResult result = RunCli(drives, args);
        EXPECT_EQ(result.status, 2) << args.front();
    }
}

} // namespace
} // namespace dirforge::testing
