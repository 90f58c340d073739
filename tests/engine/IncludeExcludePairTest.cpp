#include "engine/IncludeExcludePair.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace dirforge::core;
using namespace dirforge::engine;
using dirforge::platform::MessageKind;
using dirforge::platform::PromptButton;
using dirforge::testing::ScriptedPrompt;
using List = std::vector<std::string>;

namespace {

struct PairFixture {
    PairFixture(NameList::Order order, const PairPageTexts& texts, const List& include,
                const List& exclude)
        : includeList(order), excludeList(order),
          pair(
              includeList, excludeList, prompt, texts,
              [this](std::size_t i, std::size_t e) { counts.emplace_back(i, e); },
              [this] { ++refreshes; }) {
        includeList.insertMany(include);
        excludeList.insertMany(exclude);
    }
    std::pair<std::size_t, std::size_t> trueSizes() const {
        return {includeList.size(), excludeList.size()};
    }

    ScriptedPrompt prompt;
    NameList includeList;
    NameList excludeList;
    std::vector<std::pair<std::size_t, std::size_t>> counts;
    int refreshes = 0;
    IncludeExcludePair pair;
};

PairFixture stringsPage(const List& include, const List& exclude) {
    return PairFixture(NameList::Order::Alphabetical, StringsPageTexts().pair, include, exclude);
}

} // namespace

TEST(IncludeExcludePair, SelectedEntryAlreadyInTargetOnlyLeavesTheSource) {
    PairFixture f = stringsPage({"Alpha", "Beta", "Gamma"}, {"ALPHA"});
    EXPECT_EQ(f.pair.moveSelectedToExclude({0, 1, 2}), PairFocus::EntryField);
    EXPECT_TRUE(f.includeList.empty());
    EXPECT_EQ(f.excludeList.texts(), (List{"ALPHA", "Beta", "Gamma"}))
        << "target grows by two, source shrinks by three";
    EXPECT_EQ(f.counts.back(), f.trueSizes());
    EXPECT_EQ(f.refreshes, 1);
    EXPECT_TRUE(f.prompt.satisfied()) << f.prompt.describe();
}

TEST(IncludeExcludePair, MoveSelectedInBothDirectionsKeepsOrderRules) {
    PairFixture f = stringsPage({"d", "b", "c", "a"}, {"z"});
    f.pair.moveSelectedToExclude({3, 0}); // "d" and "a" in the sorted INCLUDE a b c d
    EXPECT_EQ(f.includeList.texts(), (List{"b", "c"}));
    EXPECT_EQ(f.excludeList.texts(), (List{"a", "d", "z"}));
    f.pair.moveSelectedToInclude({2, 2, 40}); // repeats and stale positions are ignored
    EXPECT_EQ(f.includeList.texts(), (List{"b", "c", "z"}));

    PairFixture paths(NameList::Order::Insertion, PathsPageTexts().pair,
                      {"f:\\c", "f:\\a", "f:\\b"}, {"g:\\z"});
    paths.pair.moveSelectedToExclude({2, 0});
    EXPECT_EQ(paths.excludeList.texts(), (List{"g:\\z", "f:\\c", "f:\\b"}));
    EXPECT_EQ(paths.includeList.texts(), (List{"f:\\a"}));
}

TEST(IncludeExcludePair, MovedCaseDuplicatesArriveOnce) {
    PairFixture paths(NameList::Order::Insertion, PathsPageTexts().pair,
                      {"f:\\a", "F:\\A", "f:\\b"}, {});
    paths.pair.moveSelectedToExclude({0, 1});
    EXPECT_EQ(paths.excludeList.texts(), (List{"f:\\a"}));
    EXPECT_EQ(paths.includeList.texts(), (List{"f:\\b"}));
    PairFixture again(NameList::Order::Insertion, PathsPageTexts().pair, {"x", "X", "y"}, {"Y"});
    again.pair.moveAllToExclude();
    EXPECT_EQ(again.excludeList.texts(), (List{"Y", "x"}));
    EXPECT_TRUE(again.includeList.empty());
}

TEST(IncludeExcludePair, MoveAllAndRunningCounters) {
    PairFixture f = stringsPage({"c", "a", "b"}, {"B"});
    f.pair.moveAllToExclude();
    EXPECT_TRUE(f.includeList.empty());
    EXPECT_EQ(f.excludeList.texts(), (List{"a", "B", "c"}));
    // Running values walk down the source and up the target; the last call is the truth.
    const std::vector<std::pair<std::size_t, std::size_t>> expected = {
        {2, 2}, {1, 2}, {0, 3}, {0, 3}};
    EXPECT_EQ(f.counts, expected);

    f.counts.clear();
    f.pair.moveAllToInclude();
    EXPECT_EQ(f.includeList.texts(), (List{"a", "B", "c"}));
    EXPECT_EQ(f.counts.back(), f.trueSizes());
}

TEST(IncludeExcludePair, EmptySourceOrSelectionChangesNothingButRefreshes) {
    PairFixture f = stringsPage({}, {"x"});
    f.pair.moveAllToExclude();
    f.pair.moveSelectedToExclude({});
    f.pair.moveSelectedToInclude({});
    EXPECT_EQ(f.excludeList.texts(), List{"x"});
    EXPECT_TRUE(f.includeList.empty());
    EXPECT_EQ(f.refreshes, 3);
    EXPECT_EQ(f.counts.back(), std::make_pair(std::size_t{0}, std::size_t{1}));
}

TEST(IncludeExcludePair, ExchangeSwapsAndKeepsTheSortRule) {
    PairFixture f = stringsPage({"b", "a"}, {"y", "X"});
    EXPECT_EQ(f.pair.exchange(), PairFocus::EntryField);
    EXPECT_EQ(f.includeList.texts(), (List{"X", "y"}));
    EXPECT_EQ(f.excludeList.texts(), (List{"a", "b"}));
    EXPECT_TRUE(f.includeList.contains("x"));
    EXPECT_FALSE(f.includeList.contains("a"));
    EXPECT_EQ(f.refreshes, 1);
}

struct DeleteCase {
    const char* name;
    bool stringsPage;
    List exclude;
    IndexSet selection;
    bool deleteAll;
    std::string title;
    MessageKind kind;
    PromptButton answer;
    List excludeAfter;
    PairFocus focus;
};

TEST(IncludeExcludePair, DeleteFromExcludeAsksOrWarnsWithThePageTitles) {
    const std::string s = "Creating Folder(s).-From a String List.            Warning no: ";
    const std::string p = "Creating Folder(s).-From a Folder List.            Warning no: ";
    const DeleteCase cases[] = {
        {"strings: empty, delete selected",
         true,
         {},
         {},
         false,
         s + "20023.",
         MessageKind::Warning,
         PromptButton::Ok,
         {},
         PairFocus::EntryField},
        {"strings: yes deletes selected",
         true,
         {"a", "b", "c"},
         {0, 2},
         false,
         s + "20022.",
         MessageKind::Question,
         PromptButton::Yes,
         {"b"},
         PairFocus::EntryField},
        {"strings: yes without selection",
         true,
         {"a", "b"},
         {},
         false,
         s + "20022.",
         MessageKind::Question,
         PromptButton::Yes,
         {"a", "b"},
         PairFocus::EntryField},
        {"paths: no keeps all",
         false,
         {"a", "b"},
         {0},
         false,
         p + "40017.",
         MessageKind::Question,
         PromptButton::No,
         {"a", "b"},
         PairFocus::EntryField},
        {"paths: empty, delete selected",
         false,
         {},
         {0},
         false,
         p + "40018.",
         MessageKind::Warning,
         PromptButton::Ok,
         {},
         PairFocus::EntryField},
        {"strings: empty, delete all",
         true,
         {},
         {},
         true,
         s + "20024.",
         MessageKind::Warning,
         PromptButton::Ok,
         {},
         PairFocus::AddButton},
        {"strings: yes deletes all",
         true,
         {"a", "b"},
         {},
         true,
         s + "20025.",
         MessageKind::Question,
         PromptButton::Yes,
         {},
         PairFocus::AddButton},
        {"paths: empty, delete all",
         false,
         {},
         {},
         true,
         "Creating Folder List(s).-From a Folder List.            Warning no: 40019.",
         MessageKind::Warning,
         PromptButton::Ok,
         {},
         PairFocus::AddButton},
        {"paths: no keeps all",
         false,
         {"a"},
         {},
         true,
         "Creating Folder List(s).-From a Folder List.             Warning no: 40020.",
         MessageKind::Question,
         PromptButton::No,
         {"a"},
         PairFocus::AddButton},
    };
    for (const auto& c : cases) {
        PairFixture f(c.stringsPage ? NameList::Order::Alphabetical : NameList::Order::Insertion,
                      c.stringsPage ? StringsPageTexts().pair : PathsPageTexts().pair, {"inc"},
                      c.exclude);
        f.prompt.expect(c.title, c.kind, c.answer);
        const PairFocus focus =
            c.deleteAll ? f.pair.deleteAllExcluded() : f.pair.deleteExcluded(c.selection);
        EXPECT_TRUE(f.prompt.satisfied()) << c.name << "\n" << f.prompt.describe();
        EXPECT_EQ(f.excludeList.texts(), c.excludeAfter) << c.name;
        EXPECT_EQ(focus, c.focus) << c.name;
        EXPECT_EQ(f.refreshes, 1) << c.name;
        EXPECT_EQ(f.counts.back(), f.trueSizes()) << c.name;
        EXPECT_EQ(f.includeList.texts(), List{"inc"}) << c.name;
    }
}

TEST(IncludeExcludePair, DeleteMessagesCarryThePageTexts) {
    PairFixture strings = stringsPage({}, {});
    strings.prompt.answerEverything();
    strings.pair.deleteExcluded({});
    strings.pair.deleteAllExcluded();
    PairFixture paths(NameList::Order::Insertion, PathsPageTexts().pair, {}, {"x"});
    paths.prompt.answerEverything(false);
    paths.pair.deleteExcluded({0});
    paths.pair.deleteAllExcluded();
    ASSERT_EQ(strings.prompt.shown().size(), 2u);
    ASSERT_EQ(paths.prompt.shown().size(), 2u);
    EXPECT_EQ(strings.prompt.shown()[0].text,
              "The EXCLUDE list is empty !\nAction : You must enter at least one STRING to the "
              "EXCLUDE list to delete it.\n");
    EXPECT_EQ(strings.prompt.shown()[1].text, "Empty List in the Exclude Window!\n");
    EXPECT_EQ(paths.prompt.shown()[0].text,
              "Do you want to delete the selected item(s) from the Exclude list ?\nNote: You can "
              "delete ONLY from the EXCLUDE list.\n");
    EXPECT_EQ(paths.prompt.shown()[1].text,
              "Do you want to delete all item(s) from the Exclude list ?");
}
