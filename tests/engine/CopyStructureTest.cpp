// The structure copy: the four variants, never overwriting, size-table warnings per page, links,
// copying into the structure itself, and failures part of the way down.

#include "RunFixture.h"

#include "engine/CopyStructure.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace dirforge::testing {
namespace {

using engine::ResultList;

class CopyStructureTest : public RunFixture {
protected:
    void SetUp() override {
        drives.makeFolder("f:\\Templates\\Project\\Docs\\Old");
        drives.makeFile("f:\\Templates\\Project\\plan.txt", "0123456789");
        drives.makeFile("f:\\Templates\\Project\\Docs\\.hidden", "abc");
        drives.makeFolder("f:\\Clients\\A");
    }

    engine::StructureCopy copier(CopyVariant variant, bool simulate,
                                 PageKind page = PageKind::Strings) {
        return engine::StructureCopy(engine::CopyContext{
            fs(), prompt, engine::RecordSink{state.results, log, !simulate}, state.fileSizes,
            variant, titles(page, simulate), anchors, anchorPoint});
    }
    /// A real copy makes everything below the drive's root, as a run whose destination is on it.
    engine::RunAnchors anchors{fs(), state.results};
    const std::string anchorPoint = "f:";
    /// The sizes the structure scan reports for the template's two files.
    void knowSizes() {
        state.fileSizes = {{"f:\\Templates\\Project\\plan.txt", 10},
                           {"f:\\Templates\\Project\\Docs\\.hidden", 3}};
    }
};

struct VariantCase {
    engine::CopyVariant variant;
    Paths subfolders;
    Paths files;
};

TEST_F(CopyStructureTest, EachVariantCopiesItsPartBreadthFirst) {
    const VariantCase cases[] = {
        {CopyVariant::MainFolderWithoutFiles,
         {"f:\\Clients\\A\\Project", "f:\\Clients\\A\\Project\\Docs",
          "f:\\Clients\\A\\Project\\Docs\\Old"},
         {}},
        {CopyVariant::SubFoldersOnlyWithoutFiles,
         {"f:\\Clients\\A\\Docs", "f:\\Clients\\A\\Docs\\Old"},
         {}},
        {CopyVariant::MainFolderWithFiles,
         {"f:\\Clients\\A\\Project", "f:\\Clients\\A\\Project\\Docs",
          "f:\\Clients\\A\\Project\\Docs\\Old"},
         {"f:\\Clients\\A\\Project\\plan.txt", "f:\\Clients\\A\\Project\\Docs\\.hidden"}},
        {CopyVariant::SubFoldersOnlyWithFiles,
         {"f:\\Clients\\A\\Docs", "f:\\Clients\\A\\Docs\\Old"},
         {"f:\\Clients\\A\\plan.txt", "f:\\Clients\\A\\Docs\\.hidden"}},
    };
    for (const VariantCase& c : cases) {
        state = {};
        knowSizes();
        std::filesystem::remove_all(drives.hostPath("f:\\Clients\\A"));
        drives.makeFolder("f:\\Clients\\A");
        const std::string copyTarget =
            engine::CopiesMainFolder(c.variant) ? "f:\\Clients\\A\\Project" : "f:\\Clients\\A";
        copier(c.variant, false).CopyStructure(" f:\\Templates\\Project ", copyTarget);

        const auto sorted = [](Paths p) {
            std::sort(p.begin(), p.end());
            return p;
        };
        EXPECT_EQ(state.results.SubFoldersCreated,
                  c.subfolders); // breadth first: parents before children
        EXPECT_EQ(sorted(state.results.FilesCreated), sorted(c.files));
        EXPECT_EQ(cell(CounterRow::Subfolders, CounterColumn::Created), c.subfolders.size());
        EXPECT_EQ(cell(CounterRow::Bytes, CounterColumn::Created), c.files.empty() ? 0 : 13);
        for (const auto& file : c.files)
            EXPECT_TRUE(drives.isFile(file)) << file;
        EXPECT_EQ(state.results.FoldersMadeByRun, c.subfolders);
    }
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
}

TEST_F(CopyStructureTest, AFileThatExistsIsNeverOverwritten) {
    knowSizes();
    drives.makeFile("f:\\Clients\\A\\plan.txt", "mine");
    copier(CopyVariant::SubFoldersOnlyWithFiles, false)
        .CopyStructure("f:\\Templates\\Project", "f:\\Clients\\A");
    EXPECT_EQ(drives.readText("f:\\Clients\\A\\plan.txt"), "mine");
    EXPECT_EQ(state.results.FilesCreated, Paths{"f:\\Clients\\A\\Docs\\.hidden"});
    EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{1, 1, 0}));
    EXPECT_EQ(row(CounterRow::Bytes), (std::array<double, 3>{3, 10, 0}));
}

struct MissingSizeCase {
    engine::PageKind page;
    bool simulate;
    bool targetExists;
    const char* number;
    const char* text;
};

TEST_F(CopyStructureTest, AFileTheScanDidNotSeeIsReportedUnderThePagesTitle) {
    const MissingSizeCase cases[] = {
        {PageKind::Strings, false, false, "20060.", "The path doesn't exists : \n"},
        {PageKind::Strings, false, true, "20061.", "The path doesn't exists : \n"},
        {PageKind::Strings, true, false, "20077.", "The path doesn't exists : \n"},
        {PageKind::Strings, true, true, "20078.", "The path doesn't exists : \n"},
        {PageKind::Numbers, false, false, "30041.", "The path doesn't exists : \n"},
        {PageKind::Numbers, true, true, "30057.", "The path doesn't exists : \n"},
        {PageKind::Paths, false, false, "4055.", "The path doesn't exists : \n"},
        {PageKind::Paths, false, true, "40056.", "The path doesn't exist : \n"},
        {PageKind::Paths, true, false, "40072.", "The path doesn't exists : \n"},
        {PageKind::Paths, true, true, "40073.", "The path doesn't exists : \n"},
    };
    drives.makeFolder("f:\\Lone");
    drives.makeFile("f:\\Lone\\new.txt", "12");
    for (const MissingSizeCase& c : cases) {
        state = {};
        ScriptedPrompt local;
        std::filesystem::remove_all(drives.hostPath("f:\\Out"));
        if (c.targetExists)
            drives.makeFile("f:\\Out\\new.txt", "old");
        engine::StructureCopy copy(
            engine::CopyContext{fs(), local, engine::RecordSink{state.results, log, !c.simulate},
                                state.fileSizes, CopyVariant::SubFoldersOnlyWithFiles,
                                titles(c.page, c.simulate), anchors, anchorPoint});
        if (c.simulate)
            copy.SimulateCopyStructure("f:\\Lone", "f:\\Out");
        else
            copy.CopyStructure("f:\\Lone", "f:\\Out");
        ASSERT_EQ(local.shown().size(), 1u) << c.number;
        EXPECT_NE(local.shown()[0].title.find(std::string("no: ") + c.number), std::string::npos)
            << c.number;
        EXPECT_EQ(local.shown()[0].text, std::string(c.text) + "f:\\Lone\\new.txt");
        EXPECT_EQ(local.shown()[0].kind, MessageKind::Warning);
    }
}

TEST_F(CopyStructureTest, LinksInsideTheStructureAreNeverFollowed) {
    knowSizes();
    drives.makeFile("g:\\Secret\\key.txt", "secret");
    drives.makeLink("f:\\Templates\\Project\\ToSecret", "g:\\Secret");
    drives.makeLink("f:\\Templates\\Project\\key-link.txt", "g:\\Secret\\key.txt");
    drives.makeLink("f:\\Templates\\Project\\Loop", "f:\\Templates\\Project");
    copier(CopyVariant::MainFolderWithFiles, false)
        .CopyStructure("f:\\Templates\\Project", "f:\\Clients\\A\\Project");
    EXPECT_EQ(drives.listTree("f:\\Clients\\A"),
              (Paths{"Project\\", "Project\\Docs\\", "Project\\Docs\\.hidden",
                     "Project\\Docs\\Old\\", "Project\\plan.txt"}));
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{3, 0, 2}));
    EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{2, 0, 1}));
}

TEST_F(CopyStructureTest, ASpecialFileIsNeverOpened) {
    // Opening a named pipe for reading would wait for a writer forever.
    knowSizes();
    ASSERT_EQ(::mkfifo(drives.hostPath("f:\\Templates\\Project\\pipe").c_str(), 0600), 0);
    copier(CopyVariant::SubFoldersOnlyWithFiles, false)
        .CopyStructure("f:\\Templates\\Project", "f:\\Clients\\A");
    EXPECT_FALSE(drives.exists("f:\\Clients\\A\\pipe"));
    EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{2, 0, 1}));
}

TEST_F(CopyStructureTest, ACopyIntoItsOwnStructureEnds) {
    // The new folder lies inside the structure being copied: the walk must not enter its output.
    drives.makeFolder("f:\\Templates\\Project\\Clients\\New");
    copier(CopyVariant::MainFolderWithoutFiles, false)
        .CopyStructure("f:\\Templates\\Project", "f:\\Templates\\Project\\Clients\\New\\Project");
    EXPECT_TRUE(drives.isFolder("f:\\Templates\\Project\\Clients\\New\\Project\\Docs\\Old"));
    EXPECT_TRUE(drives.isFolder("f:\\Templates\\Project\\Clients\\New\\Project\\Clients\\New"));
    EXPECT_FALSE(
        drives.exists("f:\\Templates\\Project\\Clients\\New\\Project\\Clients\\New\\Project"));
    EXPECT_EQ(cell(CounterRow::Subfolders, CounterColumn::Other), 1);
}

TEST_F(CopyStructureTest, AFolderThatCannotBeMadeFailsEverythingBelowIt) {
    knowSizes();
    faulty.failPrefix(FsOp::CreateFolder, "f:\\Clients\\A\\Docs");
    copier(CopyVariant::SubFoldersOnlyWithFiles, false)
        .CopyStructure("f:\\Templates\\Project", "f:\\Clients\\A");
    EXPECT_EQ(drives.listTree("f:\\Clients\\A"), Paths{"plan.txt"});
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{0, 0, 2}));
    // .hidden could not be copied: other reasons, never "already existing".
    EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{1, 0, 1}));
    EXPECT_EQ(row(CounterRow::Bytes), (std::array<double, 3>{10, 0, 3}));
}

TEST_F(CopyStructureTest, TheSimulatedCopyCountsWhatExistsAndWritesNothing) {
    knowSizes();
    drives.makeFile("f:\\Clients\\A\\Project\\plan.txt", "old");
    copier(CopyVariant::MainFolderWithFiles, true)
        .SimulateCopyStructure("f:\\Templates\\Project", "f:\\Clients\\A\\Project");
    EXPECT_EQ(drives.listTree("f:\\Clients\\A"), (Paths{"Project\\", "Project\\plan.txt"}));
    EXPECT_EQ(row(CounterRow::Subfolders),
              (std::array<double, 3>{2, 1, 0})); // root exists, Docs and Old new
    EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{1, 1, 0}));
    EXPECT_EQ(row(CounterRow::Bytes), (std::array<double, 3>{3, 10, 0}));
    EXPECT_TRUE(state.results.SubFoldersCreated.empty());
    EXPECT_EQ(log.list(ResultList::FilesCreated), Paths{"f:\\Clients\\A\\Project\\Docs\\.hidden"});
}

} // namespace
} // namespace dirforge::testing
