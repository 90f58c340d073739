#include "core/NameList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dirforge::core;
using List = std::vector<std::string>;

namespace {

NameList makeList(NameList::Order order, const List& texts) {
    NameList list(order);
    for (const auto& t : texts)
        list.insert(t);
    return list;
}

struct RecordingObserver : NameList::Observer {
    std::vector<std::string> events;
    void aboutToInsert(std::size_t i) override { events.push_back("+" + std::to_string(i)); }
    void aboutToRemove(std::size_t i) override { events.push_back("-" + std::to_string(i)); }
    void aboutToReset() override { events.push_back("reset("); }
    void reset() override { events.push_back(")"); }
};

} // namespace

TEST(NameList, KeepsAlphabeticalOrInsertionOrder) {
    const List input = {"delta", "Bravo", "alpha", "Charlie", "\xC3\x84rger", "ALPHA"};
    NameList sorted = makeList(NameList::Order::Alphabetical, input);
    EXPECT_EQ(sorted.texts(),
              (List{"ALPHA", "alpha", "Bravo", "Charlie", "delta", "\xC3\x84rger"}));
    NameList ordered = makeList(NameList::Order::Insertion, input);
    EXPECT_EQ(ordered.texts(), input);
    EXPECT_EQ(sorted.insert("beta"), 2u);
    EXPECT_EQ(ordered.insert("beta"), input.size());
}

TEST(NameList, MembershipIgnoresCaseAndCountsDuplicates) {
    for (auto order : {NameList::Order::Alphabetical, NameList::Order::Insertion}) {
        NameList list = makeList(order, {"Zeta", "alpha", "\xD0\x96uk", "ALPHA"});
        EXPECT_TRUE(list.contains("Alpha"));
        EXPECT_TRUE(list.contains("\xD0\xB6UK"));
        EXPECT_FALSE(list.contains("alph"));
        const std::size_t first = list.indexOf("aLpHa");
        ASSERT_NE(first, NameList::npos);
        EXPECT_EQ(list.indexOf("zeta"), order == NameList::Order::Alphabetical ? 2u : 0u);
        EXPECT_EQ(list.indexOf("missing"), NameList::npos);

        // Two entries equal ignoring case: removing one keeps the other a member.
        list.removeAt(first);
        EXPECT_TRUE(list.contains("alpha"));
        list.removeAt(list.indexOf("alpha"));
        EXPECT_FALSE(list.contains("alpha"));
        EXPECT_EQ(list.size(), 2u);
    }
}

TEST(NameList, InsertManyMergesIntoTheSortedList) {
    NameList sorted = makeList(NameList::Order::Alphabetical, {"b", "d", "F"});
    sorted.insertMany({"e", "A", "c", "g", "a", "D"});
    EXPECT_EQ(sorted.texts(), (List{"A", "a", "b", "c", "D", "d", "e", "F", "g"}));
    EXPECT_TRUE(sorted.contains("G"));

    NameList ordered = makeList(NameList::Order::Insertion, {"b", "d"});
    ordered.insertMany({"z", "a"});
    EXPECT_EQ(ordered.texts(), (List{"b", "d", "z", "a"}));
    EXPECT_TRUE(ordered.contains("Z"));
}

TEST(NameList, BulkInsertMatchesOneByOneInsertion) {
    List texts;
    for (int i = 0; i < 2000; ++i)
        texts.push_back((i % 3 ? "Name" : "name") + std::to_string((i * 7919) % 1000));
    NameList bulk(NameList::Order::Alphabetical);
    bulk.insertMany(texts);
    NameList single = makeList(NameList::Order::Alphabetical, texts);
    EXPECT_EQ(bulk.texts(), single.texts());
}

TEST(NameList, RemoveIndicesIgnoresRepeatsAndOutOfRange) {
    NameList list = makeList(NameList::Order::Insertion, {"a", "b", "c", "d", "e"});
    list.removeIndices({4, 1, 1, 99, 0});
    EXPECT_EQ(list.texts(), (List{"c", "d"}));
    EXPECT_FALSE(list.contains("E"));
    EXPECT_TRUE(list.contains("D"));
    list.removeIndices({});
    list.removeAt(7);
    EXPECT_EQ(list.size(), 2u);
    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(list.contains("c"));
}

TEST(NameList, SwapContentsKeepsEachOrderRule) {
    NameList sorted = makeList(NameList::Order::Alphabetical, {"m", "b"});
    NameList ordered = makeList(NameList::Order::Insertion, {"z", "A", "k"});
    sorted.swapContents(ordered);
    EXPECT_EQ(sorted.texts(), (List{"A", "k", "z"}));
    EXPECT_EQ(ordered.texts(), (List{"b", "m"}));
    EXPECT_TRUE(sorted.contains("Z"));
    EXPECT_FALSE(sorted.contains("m"));
    EXPECT_TRUE(ordered.contains("M"));
    EXPECT_EQ(sorted.insert("c"), 1u);
}

TEST(NameList, ObserverHearsEveryChange) {
    NameList list(NameList::Order::Alphabetical);
    RecordingObserver observer;
    list.setObserver(&observer);
    list.insert("b");
    list.insert("a");
    list.insertMany({"c"});
    list.removeAt(1);
    list.removeIndices({0});
    list.clear();
    EXPECT_EQ(observer.events,
              (List{"+0", "+0", "reset(", ")", "-1", "reset(", ")", "reset(", ")"}));
}

TEST(NameList, InsertMissingAddsOnlyTextsNotYetHeld) {
    for (auto order : {NameList::Order::Alphabetical, NameList::Order::Insertion}) {
        NameList list = makeList(order, {"b", "D"});
        RecordingObserver observer;
        list.setObserver(&observer);
        std::vector<std::pair<std::size_t, std::size_t>> progress;
        const std::size_t added =
            list.insertMissing({"d", "c", "B", "a", "C", "\xC3\x84", "\xC3\xA4"},
                               [&](std::size_t e, std::size_t a) { progress.emplace_back(e, a); });
        EXPECT_EQ(added, 3u);
        // The first of a case-insensitive repeat in the batch wins.
        const List expected = order == NameList::Order::Alphabetical
                                  ? List{"a", "b", "c", "D", "\xC3\x84"}
                                  : List{"b", "D", "c", "a", "\xC3\x84"};
        EXPECT_EQ(list.texts(), expected);
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back(), std::make_pair(std::size_t{7}, std::size_t{3}));
        EXPECT_EQ(observer.events, (List{"reset(", ")"})) << "one bulk change after the walk";
        EXPECT_TRUE(list.contains("\xC3\xA4"));
        EXPECT_EQ(list.insertMissing({"A", "c"}), 0u);
        EXPECT_EQ(list.size(), 5u);
    }
}
