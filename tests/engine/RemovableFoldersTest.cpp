// The undo's table of folders it may remove: one entry per folder however it is spelled or
// repeated, found again by its comparable path.

#include "engine/RemovableFolders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dirforge::testing {
namespace {

using engine::RemovableFolders;

TEST(RemovableFolders, OneEntryPerFolderWhateverItsSpelling) {
    const std::vector<std::string> paths = {"f:\\A",   "f:\\A\\", " f:\\A",   "f:/A",
                                            "f:\\\\A", "f:\\B",   "f:\\A\\B", "f:\\a"};
    RemovableFolders table;
    table.reset(paths.size(), 2); // fewer distinct than there will be: the table grows
    std::vector<std::uint32_t> positions;
    for (const auto& path : paths)
        positions.push_back(table.positionOf(table.entryFor(path)));
    EXPECT_EQ(positions, (std::vector<std::uint32_t>{0, 0, 0, 0, 0, 1, 2, 3}));
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].text, "f:\\A");
    EXPECT_EQ(table[1].text.data(), paths[5].data()); // a comparable path is not copied
    for (const char* key : {"f:\\A", "f:\\B", "f:\\A\\B", "f:\\a"})
        ASSERT_NE(table.find(key), nullptr) << key;
    for (const char* key : {"f:\\", "f:\\C", "f:\\A\\B\\C", "f:\\A\\"})
        EXPECT_EQ(table.find(key), nullptr) << key;
}

TEST(RemovableFolders, EntriesInStepAreTheSameAsLookedUp) {
    // The created folders, then the made ones: the same targets in order, with parents made
    // for them between, one target missing and one out of order.
    const std::vector<std::string> created = {"f:\\T1", "f:\\T2", "f:\\T3", "f:\\T4", "f:\\T5"};
    const std::vector<std::string> made = {"f:\\P",  "f:\\T1", "f:\\P\\Q", "f:\\T3",
                                           "f:\\T2", "f:\\T4", "f:\\T5",   "f:\\T1\\"};
    RemovableFolders stepped, looked;
    for (RemovableFolders* table : {&stepped, &looked}) {
        table->reset(created.size() + made.size(), created.size());
        for (const auto& path : created)
            table->entryFor(path);
    }
    std::size_t next = 0;
    for (const auto& path : made) {
        const std::uint32_t inStep =
            stepped.positionOf(stepped.entryInStep(path, next, created.size()));
        EXPECT_EQ(inStep, looked.positionOf(looked.entryFor(path))) << path;
    }
    EXPECT_EQ(stepped.size(), looked.size());
    EXPECT_EQ(stepped.size(), created.size() + 2); // the two parents
}

TEST(RemovableFolders, ComparablePathsNeedNoCopy) {
    const struct {
        const char* path;
        const char* comparable;
    } cases[] = {
        {"f:\\A\\B", "f:\\A\\B"}, {"f:\\A\\B\\", "f:\\A\\B"}, {" f:\\A ", "f:\\A"},
        {"f:/A/B", "f:\\A\\B"},   {"f:\\\\A", "f:\\A"},       {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(engine::ComparablePath(c.path), c.comparable) << c.path;
        EXPECT_EQ(engine::AlreadyComparable(c.path), std::string(c.path) == c.comparable) << c.path;
    }
}

} // namespace
} // namespace dirforge::testing
