#include "tests/parseddialogue.h"
#include "tests/testsupport.h"
#include "text/dialoguemessagereader.h"
#include "text/dialoguescript.h"
#include "tools/samplerom/sampledialogue.h"

#include <gtest/gtest.h>

using namespace tessel;

using namespace dialoguescript;

namespace {

DialogueMessage message(const QByteArray& bytes)
{
    return DialogueMessage{bytes};
}

bool malformed(const QString& text)
{
    DialogueMessage m{QByteArray("\x20\x00", 2)};
    QString error;
    const bool failed = !ParseDialogue(m, text, &error);
    if (failed) {
        EXPECT_EQ(m.bytes, QByteArray("\x20\x00", 2)) << "a failed parse changed the message";
    }
    EXPECT_EQ(failed, !error.isEmpty());
    return failed;
}

}  // namespace

TEST(DialogueScript, PageBreaksLineBreaksAndPairs)
{
    const QByteArray bytes = parsed(QStringLiteral("Hi<P>\r\nthere"));
    // "H", "i", page break, "th", "er", "e", end.
    EXPECT_EQ(bytes, QByteArray("\x27\x42\x13\x83\x87\x3E\x00", 7));
    EXPECT_EQ(scriptText(message(bytes)), QStringLiteral("Hi<P>\r\nthere"));
    EXPECT_EQ(plainText(message(bytes)), QStringLiteral("Hi there"));
    EXPECT_EQ(parsed(QStringLiteral("A\r\nB")), QByteArray("\x20\x01\x21\x00", 4));
}

TEST(DialogueScript, TagsIgnoreCaseAndSpaces)
{
    EXPECT_EQ(parsed(QStringLiteral("<c 1>")), QByteArray("\x02\x00", 2));
    EXPECT_EQ(parsed(QStringLiteral("<C   1>")), QByteArray("\x02\x00", 2));
    EXPECT_EQ(parsed(QStringLiteral("<C1>")), QByteArray("\x02\x00", 2));
    EXPECT_EQ(parsed(QStringLiteral("<C 14>")), QByteArray("\x0F\x00", 2));
    EXPECT_EQ(parsed(QStringLiteral("<WT 3, 4>")), QByteArray("\x11\x03\x04\x12\x00", 5));
    EXPECT_EQ(parsed(QStringLiteral("<ws 1 ,2>")), QByteArray("\x16\x01\x02\x12\x00", 5));
    EXPECT_EQ(parsed(QStringLiteral("<WT 0, 255, 17, 19>")), QByteArray("\x11\x00\xFF\x11\x13\x12\x00", 7));
    EXPECT_EQ(parsed(QStringLiteral("<T 255>")), QByteArray("\x14\xFF\x00", 3));
    EXPECT_EQ(parsed(QStringLiteral("<T +0>")), QByteArray("\x14\x00\x00", 3));
    EXPECT_EQ(parsed(QStringLiteral("<n><i><s ><d>")), QByteArray("\x19\x1A\x1B\x10\x00", 5));
    EXPECT_EQ(parsed(QStringLiteral("^Yes")), QByteArray("\x15\x38\xAF\x00", 4));
}

TEST(DialogueScript, WordProcessorPunctuationIsTakenAsTheGamesOwn)
{
    // Curly quotes, the ellipsis, en and em dashes.
    EXPECT_EQ(parsed(QStringLiteral("\u2018A\u2019\u201CB\u201D\u2026C\u2013D\u2014")),
              parsed(QStringLiteral("'A'\"B\"...C-D-")));
}

// A text that would not read back as written is refused at its first
// offending character or tag, lines counted by their LF and columns in
// characters from 1.
struct RefusedText {
    const char16_t* text;
    int line;
    int column;
    const char* reason;  // part of the reason given
};

class DialogueScriptRefuses : public testing::TestWithParam<RefusedText> {};

TEST_P(DialogueScriptRefuses, AtTheFirstOffendingCharacterOrTag)
{
    const RefusedText& c = GetParam();
    const QString text = QString::fromUtf16(c.text);
    DialogueMessage m{QByteArray("\x20\x00", 2)};
    ScriptError error;
    EXPECT_FALSE(ParseDialogue(m, text, &error));
    EXPECT_EQ(m.bytes, QByteArray("\x20\x00", 2)) << "a refused text changed the message";
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.column, c.column);
    EXPECT_TRUE(error.reason.contains(QString::fromUtf8(c.reason))) << error.reason.toStdString();
    EXPECT_TRUE(error.text().startsWith(QStringLiteral("line %1, column %2: ").arg(c.line).arg(c.column)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DialogueScriptRefuses,
    testing::Values(
        // Characters the game has no code for.
        RefusedText{u"Caf\u00E9", 1, 4, "\"\u00E9\" (U+00E9)"}, RefusedText{u"A\r\nx{y}", 2, 2, "\"{\""},
        RefusedText{u"Tab\there", 1, 4, "U+0009"}, RefusedText{u"\U0001F600<Q>", 1, 1, "U+1F600"},
        RefusedText{u"Hi \u00A9", 1, 4, "U+00A9"}, RefusedText{u"[x]", 1, 1, "\"[\""},
        RefusedText{u"a>b", 1, 2, "outside a tag"}, RefusedText{u"A\nB", 1, 2, "lone LF"},
        RefusedText{u"A\rB", 1, 2, "lone CR"},
        // Numbers their codes cannot hold.
        RefusedText{u"Hi <C 0>", 1, 4, "<C 0> names no character"}, RefusedText{u"<C 15>", 1, 1, "slots are 1 to 14"},
        RefusedText{u"<C -1>", 1, 1, "<C -1>"}, RefusedText{u"<C 257>", 1, 1, "<C 257>"},
        RefusedText{u"<T 256>", 1, 1, "<T 256> needs a value from 0 to 255"}, RefusedText{u"<T -1>", 1, 1, "<T -1>"},
        RefusedText{u"<T x>", 1, 1, "<T x>"}, RefusedText{u"<T>", 1, 1, "<T>"},
        RefusedText{u"<T 99999999999>", 1, 1, "<T 99999999999>"}, RefusedText{u"<WT 3, 256>", 1, 1, "\"256\""},
        RefusedText{u"ab\r\n<WS 18>", 2, 1, "\"18\" is no list value"}, RefusedText{u"<WT -1>", 1, 1, "\"-1\""},
        RefusedText{u"<WT 1,,2>", 1, 1, "\"\" is no list value"},
        // Tags with more in them than they say.
        RefusedText{u"<Nx", 1, 1, "not closed"}, RefusedText{u"x<Nx>", 1, 2, "takes nothing after its letter"},
        RefusedText{u"<P junk>", 1, 1, "<P junk>"}, RefusedText{u"<C 1 <N>", 1, 1, "not closed"},
        RefusedText{u"Hello<", 1, 6, "not closed"}, RefusedText{u"<Q>", 1, 1, "<Q> is unknown"},
        RefusedText{u"<C 1x>", 1, 1, "<C 1x>"}));

TEST(DialogueScript, OperandsAreNeverPaired)
{
    // The first "e" is the value of 0x14, so "ee" is not paired.
    EXPECT_EQ(parsed(QStringLiteral("<T 62>e")), QByteArray("\x14\x3E\x3E\x00", 4));
}

TEST(DialogueScript, MalformedTextsLeaveTheMessageAlone)
{
    EXPECT_TRUE(malformed(QStringLiteral("<Q>")));
    EXPECT_TRUE(malformed(QStringLiteral("Hello<N")));
    EXPECT_TRUE(malformed(QStringLiteral("Hello<")));
    EXPECT_TRUE(malformed(QStringLiteral("<P")));
    EXPECT_TRUE(malformed(QStringLiteral("<C 1")));
    EXPECT_TRUE(malformed(QStringLiteral("<T 5")));
    EXPECT_TRUE(malformed(QStringLiteral("<WT 1, 2")));
    EXPECT_TRUE(malformed(QStringLiteral("<WX 1>")));
    EXPECT_TRUE(malformed(QStringLiteral("<1>")));
    EXPECT_TRUE(malformed(QStringLiteral("<1G>")));
    EXPECT_FALSE(malformed(QStringLiteral("<17>")));
    // Character numbers that would write the end, <T> or a list opener.
    for (const char* tag : {"<C 255>", "<C -1>", "<C 19>", "<C 16>", "<C 21>"})
        EXPECT_TRUE(malformed(QString::fromLatin1(tag))) << tag;
}

TEST(DialogueScript, EmptyTextAndEmptyMessages)
{
    DialogueMessage m{QByteArray("\x20\x00", 2)};
    EXPECT_TRUE(ParseDialogue(m, QString()));
    EXPECT_TRUE(m.isEmpty());
    EXPECT_EQ(plainText(m), QStringLiteral("<Empty>"));
    EXPECT_EQ(scriptText(m), QString());
}

TEST(DialogueScript, BytesWithoutANameRoundTripAsHex)
{
    const DialogueMessage m = message(QByteArray("\x17\x20\x12\x7E\x00", 5));
    EXPECT_EQ(scriptText(m), QStringLiteral("<17>A<12><7E>"));
    EXPECT_EQ(parsed(scriptText(m)), m.bytes);
    // Lists without values.
    const DialogueMessage lists = message(QByteArray("\x11\x12\x16\x12\x00", 5));
    EXPECT_EQ(scriptText(lists), QStringLiteral("<WT><WS>"));
    EXPECT_EQ(parsed(scriptText(lists)), lists.bytes);
}

// A byte tag stands only for a code that has no other way to be written:
// any other code could end the message early or take its end as an operand.
TEST(DialogueScript, ByteTagsParseOnlyForCodesTheFormatterWritesThatWay)
{
    // From 0xA0 on the text would start with a letter and be another tag.
    int accepted = 0;
    for (int code = 0; code < 0xA0; ++code) {
        const QString tag = QStringLiteral("<%1>").arg(code, 2, 16, QLatin1Char('0')).toUpper();
        const bool formattedAsTag = scriptText(message(QByteArray(1, char(code)) + '\0')) == tag;
        for (const QString& text : {QStringLiteral("Hello") + tag + QStringLiteral("World"), QStringLiteral("Bye") + tag}) {
            DialogueMessage m;
            const bool parses = ParseDialogue(m, text);
            EXPECT_EQ(parses, formattedAsTag) << text.toStdString();
            if (parses) {
                EXPECT_TRUE(isWholeDialogueMessage(m.bytes)) << text.toStdString();
                EXPECT_EQ(scriptText(m), text);
            }
        }
        accepted += formattedAsTag;
    }
    EXPECT_EQ(accepted, 18);  // 0x12, 0x17, 0x18, 0x1C-0x1F, 0x74-0x7E
    EXPECT_TRUE(malformed(QStringLiteral("Hello<00>World")));
    EXPECT_TRUE(malformed(QStringLiteral("Hello<14>")));
    EXPECT_TRUE(malformed(QStringLiteral("Last<16>")));
}

TEST(DialogueScript, PlainFormWritesNamesAndDropsControls)
{
    const DialogueMessage m = message(QByteArray("\x02\x61\x7F\x0F\x01\x10\x11\x05\x12\x14\x09\x19\x15\x17\x13\x20\x00", 17));
    EXPECT_EQ(plainText(m), QStringLiteral("TERRA: UMARO <N>^<17> A"));
    EXPECT_EQ(scriptText(m), QStringLiteral("<C 1>: <C 14>\r\n<D><WT 5><T 9><N>^<17><P>\r\nA"));
}

TEST(DialogueScript, OptionsChooseTheFormAndTheStart)
{
    const DialogueMessage m = message(QByteArray("\x20\x21\x22\x00", 4));
    QString text = QStringLiteral("untouched");
    FormatDialogue(m, text, nullptr);
    EXPECT_EQ(text, QStringLiteral("untouched"));
    const quint32 fromTwo[] = {kOptionStart, 2, kOptionForm, kFormScript, 0};
    FormatDialogue(m, text, fromTwo);
    EXPECT_EQ(text, QStringLiteral("C"));
    const quint32 pastEnd[] = {kOptionForm, kFormPlain, kOptionStart, 40, 0};
    FormatDialogue(m, text, pastEnd);
    EXPECT_EQ(text, QString());
}

TEST(DialogueScript, EverySampleMessageRoundTrips)
{
    const std::vector<QByteArray>& messages = samplegen::sampleDialogueMessages();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const DialogueMessage original = message(messages[i]);
        DialogueMessage copy;
        ASSERT_TRUE(ParseDialogue(copy, scriptText(original))) << i;
        ASSERT_EQ(copy.bytes, original.bytes) << "message " << i << ": " << scriptText(original).toStdString();
    }
}
