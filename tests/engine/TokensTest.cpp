// Replacing {name}, {item} and the date tokens: in the names of a copied structure, in its small
// text files, in prefix, suffix and template lines; binary files and runs without the choice keep
// every byte as it is.

#include "RunFixture.h"

#include "engine/FolderFileUndo.h"
#include "engine/PageTexts.h"

#include <algorithm>

namespace dirforge::testing {
namespace {

const std::string kBinary("{name}\0\x01\xff{date}", 16);

class TokensTest : public RunFixture {
protected:
    void SetUp() override {
        drives.makeFile("f:\\T\\Client\\{name} Docs\\{name}-notes.txt", "Client: {name}, {date}");
        drives.makeFile("f:\\T\\Client\\{name} Docs\\logo.bin", kBinary);
        drives.makeFolder("f:\\Clients");
    }
    engine::RunRequest copyRequest(std::vector<std::string> names, bool tokens) {
        auto r = request(PageKind::Strings, std::move(names));
        r.attachMode = AttachMode::Existing;
        r.copyVariant = CopyVariant::SubFoldersOnlyWithFiles;
        r.structureLines = {"f:\\T\\Client"};
        r.tokens = tokens;
        r.runDate = "2026-03-09";
        return r;
    }
};

TEST_F(TokensTest, StructureNamesAndTextFilesGetTheFolderNameAndDate) {
    const Paths before = drives.listTree("f:\\Clients");
    simulate(copyRequest({"Acme"}, true));
    EXPECT_EQ(log.list(engine::ResultList::SubFoldersCreated),
              Paths{"f:\\Clients\\Acme\\Acme Docs"});
    Paths files = log.list(engine::ResultList::FilesCreated);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (Paths{"f:\\Clients\\Acme\\Acme Docs\\Acme-notes.txt",
                            "f:\\Clients\\Acme\\Acme Docs\\logo.bin"}));
    EXPECT_EQ(drives.listTree("f:\\Clients"), before);

    create(copyRequest({"Acme"}, true));
    EXPECT_EQ(drives.readText("f:\\Clients\\Acme\\Acme Docs\\Acme-notes.txt"),
              "Client: Acme, 2026-03-09");
    EXPECT_EQ(drives.readText("f:\\Clients\\Acme\\Acme Docs\\logo.bin"), kBinary);
    EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{2, 0, 0}));

    // The undo removes the rewritten file as it removes a copy.
    const engine::UndoTitles& t = engine::TextsFor(PageKind::Strings).undo;
    prompt.expect(t.question, MessageKind::Question, PromptButton::Yes);
    prompt.expect(t.end, MessageKind::Information);
    engine::UndoLastRun(PageKind::Strings, state.results, state.lastAttachMode,
                        state.lastDestination, fs(), prompt, log);
    EXPECT_EQ(drives.listTree("f:\\Clients"), before);

    create(copyRequest({"Beta"}, false));
    EXPECT_EQ(drives.readText("f:\\Clients\\Beta\\{name} Docs\\{name}-notes.txt"),
              "Client: {name}, {date}");
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
}

TEST_F(TokensTest, FramingAndTemplateLinesAreReplacedAndPathsInNamesRefused) {
    auto r = request(PageKind::Strings, {"Acme", "x/y"});
    r.attachMode = AttachMode::TextTemplates;
    r.structureLines = {"\\{name}\\Archive {mm}-{dd} {unknown}", "\\{item}"};
    r.prefix = "{yyyy}";
    r.hyphen = true;
    r.tokens = true;
    r.runDate = "2026-03-09";
    create(r);
    EXPECT_TRUE(drives.isFolder("f:\\Clients\\2026-Acme\\2026-Acme\\Archive 03-09 {unknown}"));
    EXPECT_TRUE(drives.isFolder("f:\\Clients\\2026-Acme\\Acme"));
    EXPECT_TRUE(drives.isFolder("f:\\Clients\\2026-x\\y\\y\\Archive 03-09 {unknown}"));
    // {item} of "x/y" would put a path into a folder's name.
    EXPECT_FALSE(drives.exists("f:\\Clients\\2026-x\\y\\x"));
    EXPECT_EQ(log.reasons.at("\\{item}"), "{item} holds a path separator");
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{3, 0, 1}));
}

} // namespace
} // namespace dirforge::testing
