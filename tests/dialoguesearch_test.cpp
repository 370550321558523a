#include "text/dialoguegoto.h"
#include "text/dialoguescript.h"
#include "text/dialoguesearch.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

using Direction = SearchOptions::Direction;

DialogueSearch search(const QString& pattern, Direction direction = Direction::All, bool matchCase = false,
                      bool wholeWords = false)
{
    return DialogueSearch({pattern, matchCase, wholeWords, direction});
}

const QStringList kTexts = {
    QStringLiteral("The cat sat."),
    QStringLiteral("No match here"),
    QStringLiteral("A CAT and a category"),
    QStringLiteral("cat"),
};

DialogueSearch::TextOf textsOf(const QStringList& texts)
{
    return [texts](int m) { return texts.at(m); };
}

}  // namespace

TEST(DialogueSearch, CaseAndWholeWordsDecideWhatMatches)
{
    const QString text = QStringLiteral("A CAT and a category");
    EXPECT_EQ(search(QStringLiteral("cat")).indexIn(text, 0, false), 2);
    EXPECT_EQ(search(QStringLiteral("cat"), Direction::All, true).indexIn(text, 0, false), 12);
    EXPECT_EQ(search(QStringLiteral("cat"), Direction::All, false, true).indexIn(text, 3, false), std::nullopt);
    EXPECT_EQ(search(QStringLiteral("cat"), Direction::All, false, true).indexIn(text, 0, false), 2);
    // Backward: the last match that ends at or before the position.
    EXPECT_EQ(search(QStringLiteral("a")).indexIn(text, 11, true), 10);
    EXPECT_EQ(search(QStringLiteral("a")).indexIn(text, 10, true), 6);
    EXPECT_EQ(search(QString()).indexIn(text, 0, false), std::nullopt);
    EXPECT_TRUE(search(QStringLiteral("cat")).isMatch(QStringLiteral("CAT")));
    EXPECT_FALSE(search(QStringLiteral("cat"), Direction::All, true).isMatch(QStringLiteral("CAT")));
}

TEST(DialogueSearch, DownStopsAtTheLastMessageUpAtTheFirstAndAllGoesRound)
{
    const auto texts = textsOf(kTexts);
    const TextMatch next = search(QStringLiteral("cat"), Direction::Down).findNext(4, texts, 0, 5);
    EXPECT_EQ(next.message, 2);
    EXPECT_EQ(next.position, 2);
    EXPECT_EQ(next.length, 3);
    EXPECT_FALSE(search(QStringLiteral("the"), Direction::Down).findNext(4, texts, 1, 0).found());

    const TextMatch up = search(QStringLiteral("cat"), Direction::Up).findNext(4, texts, 2, 2);
    EXPECT_EQ(up.message, 0);
    EXPECT_EQ(up.position, 4);
    EXPECT_FALSE(search(QStringLiteral("category"), Direction::Up).findNext(4, texts, 1, 0).found());

    // All wraps to the start and may come back to the starting message.
    const TextMatch round = search(QStringLiteral("the"), Direction::All).findNext(4, texts, 1, 0);
    EXPECT_EQ(round.message, 0);
    EXPECT_EQ(round.position, 0);
    const TextMatch same = search(QStringLiteral("sat"), Direction::All).findNext(4, texts, 0, 10);
    EXPECT_EQ(same.message, 0);
    EXPECT_EQ(same.position, 8);
}

TEST(DialogueSearch, ReplaceAllParsesEveryChangedTextAndSkipsThoseThatBreak)
{
    const QStringList texts = {
        QStringLiteral("Hello <C 1>"),
        QStringLiteral("Hello there"),
        QStringLiteral("Nothing"),
        QStringLiteral("<C 2> says hello"),
    };
    // "C" into "Q" breaks the tags of messages 0 and 3.
    const ReplaceAllResult broken = ReplaceAllInDialogue(search(QStringLiteral("C"), Direction::All, true),
                                                         QStringLiteral("Q"), 4, textsOf(texts), 0);
    EXPECT_TRUE(broken.changes.empty());
    EXPECT_EQ(broken.malformed, (std::vector<int>{0, 3}));

    const ReplaceAllResult result = ReplaceAllInDialogue(search(QStringLiteral("hello")), QStringLiteral("Hi"), 4,
                                                         textsOf(texts), 1);
    ASSERT_EQ(result.changes.size(), 3u);
    EXPECT_EQ(result.replacements, 3);
    EXPECT_EQ(result.changes[1].message, 1);
    EXPECT_EQ(dialoguescript::scriptText({result.changes[1].bytes}), QStringLiteral("Hi there"));
    EXPECT_EQ(dialoguescript::scriptText({result.changes[2].bytes}), QStringLiteral("<C 2> says Hi"));

    // Down covers the current message and those after it; a replacement
    // containing the pattern is not replaced again.
    const ReplaceAllResult down = ReplaceAllInDialogue(search(QStringLiteral("hello"), Direction::Down),
                                                       QStringLiteral("hello hello"), 4, textsOf(texts), 1);
    ASSERT_EQ(down.changes.size(), 2u);
    EXPECT_EQ(down.changes[0].message, 1);
    EXPECT_EQ(down.replacements, 2);
    EXPECT_EQ(dialoguescript::scriptText({down.changes[0].bytes}), QStringLiteral("hello hello there"));
}

TEST(DialogueGoTo, HexadecimalNumbersAndRelativeMoves)
{
    QString reason;
    EXPECT_EQ(GoToTarget(QStringLiteral("1a"), 0, 100, false, &reason), 0x1A);
    EXPECT_EQ(GoToTarget(QStringLiteral(" 0063 "), 0, 100, false, &reason), 0x63);
    EXPECT_EQ(GoToTarget(QStringLiteral("+4"), 10, 100, false, &reason), 14);
    EXPECT_EQ(GoToTarget(QStringLiteral("-4"), 10, 100, false, &reason), 6);
    EXPECT_EQ(GoToTarget(QString(QChar(0x2013)) + QStringLiteral("4"), 10, 100, false, &reason), 6);
    EXPECT_EQ(GoToTarget(QStringLiteral("+400"), 10, 100, false, &reason), 99);  // stops at the last
    EXPECT_EQ(GoToTarget(QStringLiteral("-40"), 10, 100, false, &reason), 0);
    EXPECT_EQ(GoToTarget(QString(), 10, 100, false, &reason), 11);
    EXPECT_EQ(GoToTarget(QString(), 10, 100, true, &reason), 9);

    EXPECT_FALSE(GoToTarget(QStringLiteral("64"), 0, 100, false, &reason));
    EXPECT_EQ(reason, QStringLiteral("There is no message 64; the last one is 0063."));
    EXPECT_FALSE(GoToTarget(QStringLiteral("xyz"), 0, 100, false, &reason));
    EXPECT_FALSE(GoToTarget(QStringLiteral("+"), 0, 100, false, &reason));
    EXPECT_FALSE(GoToTarget(QStringLiteral("+-3"), 0, 100, false, &reason));
}
