#include "tests/parseddialogue.h"
#include "text/dialoguepages.h"
#include "text/dialoguescript.h"
#include "text/dialoguewindow.h"
#include "text/gamefonts.h"

#include <gtest/gtest.h>

using namespace tessel;

using namespace dialoguepages;
using dialoguewindow::kLineHeight;
using dialoguewindow::kTextLeft;
using dialoguewindow::kTextTop;

namespace {

// Every character 8 pixels wide, the space 4: a line holds 28 characters.
const GameFonts& evenFont()
{
    static const GameFonts fonts = [] {
        GameFonts f;
        for (int code = 0x20; code <= 0x73; ++code)
            f.dialogueWidths[std::size_t(code)] = 8;
        f.dialogueWidths[0x7F] = 4;
        return f;
    }();
    return fonts;
}

// Where glyph number `glyph` of a page stands.
std::pair<int, int> at(const DialoguePage& page, std::size_t glyph)
{
    return {page.glyphs.at(glyph).x, page.glyphs.at(glyph).y};
}

int line(int k)
{
    return kTextTop + kLineHeight * k;
}

}  // namespace

TEST(DialoguePages, PagesEndAfterEveryPageBreakThatIsNotAnOperand)
{
    EXPECT_EQ(SplitPages(parsed(QStringLiteral("Hi<P>\r\nthere"))), (std::vector<int>{0, 3}));
    // A break just before the end leaves an empty last page.
    const QByteArray trailing = parsed(QStringLiteral("Bye<P>"));
    ASSERT_EQ(SplitPages(trailing).size(), 2u);
    EXPECT_TRUE(LayOutPage(trailing, SplitPages(trailing)[1], evenFont()).glyphs.empty());
    EXPECT_TRUE(SplitPages(QByteArray()).empty());
    // 0x13 as the value of <T> or inside a list breaks nothing.
    EXPECT_EQ(SplitPages(parsed(QStringLiteral("A<T 19>B<WT 19, 19>C"))).size(), 1u);
}

TEST(DialoguePages, ExpansionSpellsOutPairsAndNamesAndStopsAtThePageBreak)
{
    const QByteArray message = parsed(QStringLiteral("the <C 1><T 200>\r\n<N><P>\r\nNext"));
    const QByteArray expected = QByteArray("\x4D\x41\x3E\x7F", 4) + QByteArray("\x33\x24\x31\x31\x20", 5)  // the TERRA
                                + QByteArray("\x14\xC8\x01", 3)                                     // T value kept, line break
                                + QByteArray("\x2D\x34\x2C\x21\x24\x31", 6);                        // NUMBER
    EXPECT_EQ(ExpandPage(message, 0), expected);
    EXPECT_EQ(ExpandPage(message, SplitPages(message)[1]), QByteArray("\x2D\x3E\x51\x4D", 4));
}

TEST(DialoguePages, WordsWrapToTheNextLineWhenTheyPassTheRightLimit)
{
    // Five words of five letters and a space take 220 pixels; the sixth word does not fit.
    const DialoguePage page = LayOutPage(parsed(QStringLiteral("aaaaa aaaaa aaaaa aaaaa aaaaa bbbbb")), 0, evenFont());
    ASSERT_EQ(page.glyphs.size(), 30u);
    EXPECT_EQ(at(page, 0), std::make_pair(kTextLeft, line(0)));
    EXPECT_EQ(at(page, 20), std::make_pair(kTextLeft + 4 * 44, line(0)));
    EXPECT_EQ(at(page, 25), std::make_pair(kTextLeft, line(1)));
    EXPECT_FALSE(page.overflows());

    // A word that fits only without its following space moves on as well:
    // after "a b " the pen is at 36, and 25 letters end exactly at the limit.
    const DialoguePage tight = LayOutPage(parsed(QStringLiteral("a b ") + QString(25, QLatin1Char('c')) + QStringLiteral(" d")), 0,
                                          evenFont());
    EXPECT_EQ(at(tight, 1), std::make_pair(kTextLeft + 12, line(0)));
    EXPECT_EQ(at(tight, 2), std::make_pair(kTextLeft, line(1)));
    // Without the space after it, the same word stays on the line.
    const DialoguePage last = LayOutPage(parsed(QStringLiteral("a b ") + QString(25, QLatin1Char('c'))), 0, evenFont());
    EXPECT_EQ(at(last, 2), std::make_pair(kTextLeft + 24, line(0)));
    EXPECT_FALSE(last.overflows());
}

TEST(DialoguePages, LineBreaksListsAndSpacingCodes)
{
    const DialoguePage broken = LayOutPage(parsed(QStringLiteral("a\r\nb<WT 1, 2>c")), 0, evenFont());
    ASSERT_EQ(broken.glyphs.size(), 3u);
    EXPECT_EQ(at(broken, 1), std::make_pair(kTextLeft, line(1)));
    EXPECT_EQ(at(broken, 2), std::make_pair(kTextLeft + 8, line(1)));  // the list takes no room

    // <T n> moves the pen n spaces on before the pending word is drawn.
    const DialoguePage spaced = LayOutPage(parsed(QStringLiteral("a<T 2>b c")), 0, evenFont());
    ASSERT_EQ(spaced.glyphs.size(), 3u);
    EXPECT_EQ(at(spaced, 0), std::make_pair(kTextLeft + 8, line(0)));
    EXPECT_EQ(at(spaced, 1), std::make_pair(kTextLeft + 16, line(0)));
    EXPECT_EQ(at(spaced, 2), std::make_pair(kTextLeft + 28, line(0)));
}

TEST(DialoguePages, OverflowMarksTooManyLinesAndWordsWiderThanTheWindow)
{
    const QString four = QStringLiteral("a\r\nb\r\nc\r\nd");
    EXPECT_FALSE(LayOutPage(parsed(four), 0, evenFont()).overflows());
    const DialoguePage five = LayOutPage(parsed(four + QStringLiteral("\r\ne")), 0, evenFont());
    EXPECT_TRUE(five.tooManyLines);
    EXPECT_FALSE(five.tooWide);
    // A line break after the fourth line with nothing on the fifth is fine.
    EXPECT_FALSE(LayOutPage(parsed(four + QStringLiteral("\r\n")), 0, evenFont()).overflows());

    // One word wider than the line stays on the first line and runs past the limit.
    const DialoguePage wide = LayOutPage(parsed(QString(30, QLatin1Char('w'))), 0, evenFont());
    EXPECT_EQ(at(wide, 0), std::make_pair(kTextLeft, line(0)));
    EXPECT_TRUE(wide.tooWide);
    EXPECT_FALSE(wide.tooManyLines);

    // The message-level test looks at every page.
    EXPECT_FALSE(Overflows(parsed(four + QStringLiteral("<P>\r\n") + four), evenFont()));
    EXPECT_TRUE(Overflows(parsed(four + QStringLiteral("<P>\r\n") + four + QStringLiteral("\r\ne")), evenFont()));
}
