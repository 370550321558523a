#include "events/eventtables.h"
#include "events/positionhistory.h"
#include "events/scriptlisting.h"
#include "events/scriptsearch.h"
#include "rom/romimage.h"
#include "tests/testsupport.h"

#include <gtest/gtest.h>

using namespace tessel;
using namespace tessel::events;

namespace {

const ScriptListing& sampleListing()
{
    static const ScriptListing listing = [] {
        RomImage rom;
        rom.openInMemory(sampleRomBytes(), RomImage::Mode::Loading);
        EventTables tables;
        tables.load(rom);
        return ScriptListing::build(rom, tables);
    }();
    return listing;
}

struct AddressCase {
    const char* text;
    std::optional<SnesAddress> expected;
};

class ParseScriptAddress : public testing::TestWithParam<AddressCase> {};

}  // namespace

TEST_P(ParseScriptAddress, ReadsSnesAddressesAndFileOffsets)
{
    EXPECT_EQ(parseScriptAddress(QString::fromLatin1(GetParam().text)), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseScriptAddress,
    testing::Values(AddressCase{"CA1234", 0xCA1234}, AddressCase{"ca1234", 0xCA1234},
                    AddressCase{"$CA:1234", 0xCA1234}, AddressCase{" CA/1234 ", 0xCA1234},
                    AddressCase{"$CB0000", 0xCB0000},
                    // File offsets count the 512-byte header.
                    AddressCase{"0xA1434", 0xCA1234}, AddressCase{"0X0A0200", 0xCA0000},
                    AddressCase{"CA123", std::nullopt}, AddressCase{"CA12345", std::nullopt},
                    AddressCase{"CAXYZ1", std::nullopt}, AddressCase{"0x", std::nullopt},
                    AddressCase{"0xZZ", std::nullopt}, AddressCase{"", std::nullopt},
                    AddressCase{"CA-1234", std::nullopt}));

struct FoldCase {
    const char* wanted;  // UTF-8
    const char* lines;   // UTF-8
    bool found;
};

class FoldedTextCase : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldedTextCase, MatchesInAnyCaseLettersPastAsciiIncluded)
{
    const FoldedText wanted(QString::fromUtf8(GetParam().wanted));
    EXPECT_EQ(wanted.isIn(GetParam().lines), GetParam().found) << GetParam().wanted << " in " << GetParam().lines;
}

INSTANTIATE_TEST_SUITE_P(
    Letters, FoldedTextCase,
    testing::Values(FoldCase{"invoke SHOP", "CA/0000: 9B    Invoke shop $2A\n", true},
                    FoldCase{"Caf\u00C9", "    Un caf\u00E9 ici", true},
                    FoldCase{"\u00E9T\u00C9", "    L'\u00C9T\u00C9 vient", true},
                    FoldCase{"\u00FCber", "    \u00DCBER ALLES", true},
                    FoldCase{"\u00C5ngstr\u00F6m", "    \u00E5NGSTR\u00D6M", true},
                    // The Kelvin sign is a capital k.
                    FoldCase{"\u212A", "    kupo", true},
                    FoldCase{"kupo", "    \u212AUPO", true},
                    // Accents still count.
                    FoldCase{"cafe", "    CAF\u00C9", false},
                    FoldCase{"caf\u00E9", "    cafe", false},
                    FoldCase{"\u00E9", "    plain ascii", false},
                    FoldCase{"", "    anything", false}));

TEST(ScriptSearch, FindsTheEntriesWhoseLinesHoldTheTextInAnyCase)
{
    const ScriptListing& listing = sampleListing();
    const QList<int> found = ScriptSearch(listing, QStringLiteral("INVOKE SHOP")).all();
    ASSERT_FALSE(found.isEmpty());
    // An independent scan of every entry's lines.
    QList<int> scanned;
    for (int i = 0; i < listing.size(); ++i) {
        const std::string_view lines = listing.lines(i);
        if (QString::fromUtf8(lines.data(), qsizetype(lines.size())).contains(QStringLiteral("invoke shop"), Qt::CaseInsensitive))
            scanned.append(i);
    }
    EXPECT_EQ(found, scanned);
    EXPECT_TRUE(ScriptSearch(listing, QStringLiteral("no such text anywhere")).all().isEmpty());
    EXPECT_TRUE(ScriptSearch(listing, QString()).all().isEmpty());
}

TEST(ScriptSearch, NextAndPreviousGoRoundTheEnds)
{
    const ScriptListing& listing = sampleListing();
    const ScriptSearch search(listing, QStringLiteral("fade SCREEN"));
    const QList<int> all = search.all();
    ASSERT_GE(all.size(), 2);
    EXPECT_EQ(search.next(-1), all.first());
    EXPECT_EQ(search.next(all.first()), all[1]);
    EXPECT_EQ(search.previous(all[1]), all.first());
    // Past the last match, the first comes again; before the first, the last.
    EXPECT_EQ(search.next(all.last()), all.first());
    EXPECT_EQ(search.previous(all.first()), all.last());
    EXPECT_EQ(ScriptSearch(listing, QStringLiteral("no such text anywhere")).next(0), -1);
}

TEST(PositionHistory, BackAndForwardWalkTheVisitsAndANewVisitForgetsWhatWasAhead)
{
    PositionHistory<int> history;
    EXPECT_FALSE(history.back(1).has_value());
    history.visit(1);  // 1 -> 2
    history.visit(2);  // 2 -> 3
    EXPECT_EQ(history.back(3), 2);
    EXPECT_EQ(history.back(2), 1);
    EXPECT_FALSE(history.back(1).has_value());
    EXPECT_EQ(history.forward(1), 2);
    EXPECT_TRUE(history.canGoForward());
    history.visit(2);  // 2 -> 7: 3 is no longer ahead
    EXPECT_FALSE(history.canGoForward());
    EXPECT_EQ(history.back(7), 2);
    EXPECT_EQ(history.back(2), 1);
}
