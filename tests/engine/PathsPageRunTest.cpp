// The paths page: targets from full paths on several drives, its own totals rules, its dry run
// and its per-drive free-space refusal.

#include "RunFixture.h"

#include "engine/PageTexts.h"
#include "engine/TargetComposer.h"

namespace dirforge::testing {
namespace {

using engine::ResultList;

struct PathCase {
    const char* entry;
    const char* prefix;
    const char* suffix;
    bool hyphen;
    const char* target;
};

TEST(ComposePathTargetTest, FramesTheLastElementAndTakesAFilePathForItsFolder) {
    const PathCase cases[] = {
        {"f:\\Clients\\Company01", "A", "B", true, "f:\\Clients\\A-Company01-B"},
        {"f:\\Clients\\Company01", "", "", true, "f:\\Clients\\Company01"},
        {"f:\\Clients\\offer.txt", "", "", false, "f:\\Clients"},
        {"f:\\Clients\\offer.txt", "P", "", true, "f:\\P-Clients"},
        {"f:\\Clients\\Company01\\", "P", "S", true, "f:\\Clients\\Company01\\P--S"},
        {"f:\\Top", "", "x", true, "f:\\Top-x"},
        {"f:Top", "", "", false, "f:\\Top"},
        {"f:\\a.b\\c", "", "", false, "f:\\a.b\\c"}, // a dot in a parent is no extension
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(engine::ComposePathTarget(c.entry, c.prefix, c.suffix, c.hyphen), c.target)
            << c.entry;
    EXPECT_EQ(engine::FolderPart("f:\\A"), "f:\\");
    EXPECT_EQ(engine::FolderPart("f:\\A\\B"), "f:\\A");
    EXPECT_EQ(engine::LastElement("f:\\A\\B"), "B");
}

class PathsPageRunTest : public RunFixture {};

TEST_F(PathsPageRunTest, CreatesOnSeveralDrivesWithTheirMissingParents) {
    drives.makeFolder("f:\\Clients\\P-Exists-S");
    faulty.failAlways(FsOp::CreateFolder, "g:\\Archive\\P-Bad-S");
    auto r = request(PageKind::Paths,
                     {"f:\\Clients\\Company01", "g:\\Archive\\Company02", "Relative\\Name",
                      "f:\\Clients\\Exists", "g:\\Archive\\Bad", "f:\\Clients\\..\\Up"});
    r.prefix = "P";
    r.suffix = "S";
    r.hyphen = true;
    r.showExplorer = true; // the paths page has no destination to show
    const auto outcome = create(r);

    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(state.results.FoldersCreated,
              (Paths{"f:\\Clients\\P-Company01-S", "g:\\Archive\\P-Company02-S"}));
    EXPECT_EQ(state.results.FoldersExist, Paths{"f:\\Clients\\P-Exists-S"});
    EXPECT_EQ(state.results.FoldersOther,
              (Paths{"Relative\\Name", "g:\\Archive\\P-Bad-S", "f:\\Clients\\..\\P-Up-S"}));
    EXPECT_EQ(state.results.FoldersMadeByRun,
              (Paths{"f:\\Clients\\P-Company01-S", "g:\\Archive", "g:\\Archive\\P-Company02-S"}));
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_FALSE(outcome.updateHistory);
    EXPECT_TRUE(state.lastDestination.empty());
}

TEST_F(PathsPageRunTest, ExistingAndFailedTargetsCountTheStructureTheyDoNotReceive) {
    drives.makeFolder("f:\\S\\Sub");
    drives.makeFolder("f:\\Clients\\Old");
    faulty.failAlways(FsOp::CreateFolder, "f:\\Clients\\Bad");
    auto r = request(PageKind::Paths, {"f:\\Clients\\Old", "f:\\Clients\\Bad", "nodrive"});
    r.attachMode = AttachMode::Existing;
    r.structureLines = {"f:\\S"};
    ASSERT_TRUE(engine::PrepareTargetCounts(r, state, services(), false));
    create(r);
    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{0, 1, 2}));
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{0, 2, 4}));
}

TEST_F(PathsPageRunTest, TemplatesUseThePathsPageOption) {
    options[engine::TemplateOptionsKey(engine::PageKind::Paths)] =
        engine::_tagFoldersTemplateOptions{0, 0, "", 0, 1}; // replace everywhere
    options[engine::TemplateOptionsKey(engine::PageKind::Strings)] =
        engine::_tagFoldersTemplateOptions{1, 0, "", 0, 0};
    auto r = request(PageKind::Paths, {"f:\\Clients\\Acme"});
    r.attachMode = AttachMode::TextTemplates;
    r.structureLines = {"\\Customer_Code\\Docs\\customer_code\\Pdf"};
    create(r);
    EXPECT_EQ(state.results.SubFoldersCreated, Paths{"f:\\Clients\\Acme\\Docs\\Acme\\Pdf"});
    EXPECT_EQ(state.lastAttachMode, "R");
}

TEST_F(PathsPageRunTest, SimulationRefusesWhatValidateFullPathRefuses) {
    const std::string longEntry = "f:\\" + std::string(252, 'x'); // 255 characters
    auto r = request(PageKind::Paths, {longEntry, "f://Dir//Sub", "f:\\", "f:\\Clients\\New"});
    simulate(r);
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(log.list(ResultList::FoldersOther), (Paths{longEntry, "f:\\"}));
    EXPECT_EQ(log.list(ResultList::FoldersCreated), (Paths{"f:\\Dir\\Sub", "f:\\Clients\\New"}));
    EXPECT_TRUE(drives.listTree("f:\\").empty());

    // The real run does not judge the length: it tries, and here the file system accepts it.
    state = {};
    create(request(PageKind::Paths, {longEntry}));
    EXPECT_EQ(state.results.FoldersCreated, Paths{longEntry});
}

TEST_F(PathsPageRunTest, FreeSpaceIsCheckedPerDriveBeforeTheQuestion) {
    drives.makeFile("f:\\S\\big.bin", std::string(1000, 'b'));
    faulty.add(FaultRule{FsOp::FreeSpace, "g:\\", true});
    auto r = request(PageKind::Paths, {"f:\\A", "g:\\C"});
    r.attachMode = AttachMode::Existing;
    r.copyVariant = CopyVariant::MainFolderWithFiles;
    r.structureLines = {"f:\\S"};
    prompt.expect(engine::TextsFor(PageKind::Paths).run.notEnoughSpace, MessageKind::Warning);
    const auto outcome = engine::CreationRun(r, state, services());
    EXPECT_EQ(outcome.end, engine::RunEnd::Refused);
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_NE(prompt.shown()[0].text.find("g:\\"), std::string::npos);
    EXPECT_FALSE(drives.exists("f:\\A"));
}

} // namespace
} // namespace dirforge::testing
