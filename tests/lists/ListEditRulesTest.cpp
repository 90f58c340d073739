// Which edited and imported lines become list entries, and in what form.

#include "lists/ListEditRules.h"
#include "lists/ListLineRule.h"

#include <gtest/gtest.h>

namespace dirforge::lists {
namespace {

using Entries = std::vector<std::string>;

TEST(EditedEntriesTest, TrimsNormalizesAndDropsBlankLines) {
    EXPECT_EQ(EditedEntries({"  a//b\\\\c \t", "", " \t ", "f:/x"}), (Entries{"a\\b\\c", "f:\\x"}));
}

TEST(PreviewValuesTest, TrimsAndDropsBlanksKeepingOrderAndDuplicates) {
    EXPECT_EQ(PreviewValues({" b ", "", "\t", "a", "b"}), (Entries{"b", "a", "b"}));
}

TEST(StringsPageNameTest, RefusesDrivesAndRelativePathCharacters) {
    const struct {
        const char* entry;
        bool accepted;
    } cases[] = {{"Clients\\A", true}, {"\\x\\y", true}, {"f:\\Clients", false},
                 {"a!b", false},       {"a;b", false},   {"a[1]", false}};
    for (const auto& c : cases)
        EXPECT_EQ(StringsPageLine(c.entry).taken(), c.accepted) << c.entry;
}

} // namespace
} // namespace dirforge::lists
