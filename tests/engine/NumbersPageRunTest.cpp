// The increased-numbers page: number texts, the lazy range up to the largest 32-bit value, its
// checks and its differences from the strings page.

#include "RunFixture.h"

#include "engine/IncreasedNumbers.h"

#include <limits>

namespace dirforge::testing {
namespace {

using engine::ResultList;

TEST(IncreasedNumbersTest, FormatsPadsAndReadsNumbers) {
    struct FormatCase {
        std::int64_t n;
        bool padded;
        std::int32_t width;
        const char* text;
    };
    const FormatCase formats[] = {
        {7, true, 3, "007"},   {42, true, 3, "042"},
        {123, true, 3, "123"}, {1234, true, 3, "1234"},
        {-3, true, 1, "-3"},   {-3, true, 3, "0-3"},
        {7, false, 3, "7"},    {2147483647, true, 12, "002147483647"},
    };
    for (const FormatCase& c : formats)
        EXPECT_EQ(engine::FormatIncreasedNumber(c.n, c.padded, c.width), c.text) << c.n;
    EXPECT_EQ(engine::PadWidthFor(100), 3);
    EXPECT_EQ(engine::PadWidthFor(-12), 3);

    struct ReadCase {
        const char* text;
        std::int32_t value;
    };
    const ReadCase reads[] = {
        {"12", 12},    {" -3 ", -3},
        {"7.9", 7},    {"-7.9", -7},
        {"abc", 99},   {"", 99},
        {"12abc", 99}, {"1e12", std::numeric_limits<std::int32_t>::max()},
        {"inf", 99},   {"nan", 99},
    };
    for (const ReadCase& c : reads)
        EXPECT_EQ(engine::ReadNumberField(c.text, 99), c.value) << c.text;
    EXPECT_EQ(engine::CountOfNumbers(std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()),
              4294967296LL);
    EXPECT_EQ(engine::CountOfNumbers(6, 5), 0);
}

class NumbersPageRunTest : public RunFixture {
protected:
    engine::RunRequest numbers(std::int32_t start, std::int32_t end) {
        auto r = request(PageKind::Numbers);
        r.numbers.startNumber = start;
        r.numbers.endNumber = end;
        r.numbers.startText = std::to_string(start);
        r.numbers.endText = std::to_string(end);
        return r;
    }
};

TEST_F(NumbersPageRunTest, CreatesOneFolderPerNumberInOrder) {
    struct RangeCase {
        std::int32_t start, end;
        const char* startText;
        const char *prefix, *suffix;
        bool hyphen, padded;
        Paths names;
    };
    const RangeCase cases[] = {
        {1,
         3,
         "1",
         "Client",
         "2015",
         true,
         false,
         {"Client-1-2015", "Client-2-2015", "Client-3-2015"}},
        {8, 10, "8", "", "", false, true, {"08", "09", "10"}},
        {1, 2, "1", "", "x", true, false, {"1-x", "2-x"}},
        {1, 2, "1", "  ", "", true, false, {"  1", "  2"}},
        {1, 2, "-3", "", "", false, true, {"-3", "-2", "-1", "0", "1", "2"}}, // the field text
                                                                              // counts
        {5, 5, "5", "", "", false, false, {"5"}},
    };
    for (const RangeCase& c : cases) {
        state = {};
        auto r = numbers(c.start, c.end);
        r.numbers.startText = c.startText;
        r.prefix = c.prefix;
        r.suffix = c.suffix;
        r.hyphen = c.hyphen;
        r.numbers.paddedZeroes = c.padded;
        r.destination = "f:\\Run" + std::to_string(&c - cases);
        const auto outcome = create(r);
        Paths expected;
        for (const auto& name : c.names)
            expected.push_back(r.destination + "\\" + name);
        EXPECT_EQ(state.results.FoldersCreated, expected);
        EXPECT_TRUE(outcome.updateHistory);
        EXPECT_EQ(state.lastDestination, r.destination + "\\");
    }
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
}

TEST_F(NumbersPageRunTest, TheRangeEndsAtTheLargest32BitNumber) {
    auto r = numbers(2147483646, 2147483647);
    create(r);
    EXPECT_EQ(state.results.FoldersCreated,
              (Paths{"f:\\Clients\\2147483646", "f:\\Clients\\2147483647"}));
}

TEST_F(NumbersPageRunTest, StartAboveEndIsRefusedBeforeAndWarnedDuringTheRun) {
    prompt.expect(titles(PageKind::Numbers, false).startAboveEnd, MessageKind::Warning);
    auto outcome = engine::CreationRun(numbers(6, 5), state, services());
    EXPECT_EQ(outcome.end, engine::RunEnd::Refused);
    EXPECT_EQ(outcome.focus, engine::RunFocus::EndNumber);
    EXPECT_FALSE(outcome.updateHistory);

    // The stored values pass, the field texts read at the start of the run do not.
    auto r = numbers(1, 5);
    r.numbers.endText = "0";
    expectQuestion(PageKind::Numbers, true);
    prompt.expect(titles(PageKind::Numbers, true).endBelowStart, MessageKind::Warning);
    outcome = engine::SimulationRun(r, state, services());
    EXPECT_EQ(outcome.end, engine::RunEnd::Completed);
    EXPECT_TRUE(outcome.updateHistory); // this page updates its history after a simulation too
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_TRUE(log.list(ResultList::FoldersCreated).empty());
}

TEST_F(NumbersPageRunTest, TemplateSubfoldersCarryTheNumber) {
    auto r = numbers(7, 8);
    r.prefix = "P  ";
    r.numbers.addNumbersToSubfolders = true;
    r.attachMode = AttachMode::TextTemplates;
    r.structureLines = {"\\Docs\\Images"};
    options[engine::TemplateOptionsKey(engine::PageKind::Numbers)] =
        engine::_tagFoldersTemplateOptions{};
    create(r);
    EXPECT_EQ(state.results.SubFoldersCreated, (Paths{"f:\\Clients\\P  7\\Docs  7\\Images  7",
                                                      "f:\\Clients\\P  8\\Docs  8\\Images  8"}));
}

TEST_F(NumbersPageRunTest, ExistingAndFailedTargetsCountTheStructureTheyDoNotReceive) {
    drives.makeFolder("f:\\S\\Sub");
    drives.makeFolder("f:\\Clients\\1");
    faulty.failAlways(FsOp::CreateFolder, "f:\\Clients\\2");
    auto r = numbers(1, 3);
    r.attachMode = AttachMode::Existing;
    r.copyVariant = CopyVariant::SubFoldersOnlyWithoutFiles;
    r.structureLines = {"f:\\S"};
    ASSERT_TRUE(engine::PrepareTargetCounts(r, state, services(), false));
    create(r);
    EXPECT_EQ(state.results.FoldersCreated, Paths{"f:\\Clients\\3"});
    EXPECT_EQ(state.results.SubFoldersCreated, Paths{"f:\\Clients\\3\\Sub"});
    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{1, 1, 1}));
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{1, 1, 1}));
}

TEST_F(NumbersPageRunTest, SimulationCountsATargetWithIllegalCharactersAsOther) {
    auto r = numbers(1, 2);
    r.suffix = "?";
    simulate(r);
    EXPECT_EQ(log.list(ResultList::FoldersOther), (Paths{"f:\\Clients\\1?", "f:\\Clients\\2?"}));
    EXPECT_TRUE(log.list(ResultList::FoldersCreated).empty());
}

TEST_F(NumbersPageRunTest, ToCreateCountsCoverTheWholeRangeWithoutOverflow) {
    auto r =
        numbers(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    ASSERT_TRUE(engine::PrepareTargetCounts(r, state, services(), false));
    EXPECT_EQ(cell(CounterRow::Folders, CounterColumn::ToCreate), 4294967296.0);
}

} // namespace
} // namespace dirforge::testing
