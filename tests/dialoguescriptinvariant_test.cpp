// Generated script texts, near-misses included: every text the parser
// accepts must read back as written (formatted again, it parses to the
// same bytes), and every text it refuses leaves the message alone and
// points into the text.
#include "text/dialoguescript.h"
#include "tools/samplerom/samplerandom.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// Pieces of script text: good ones, and ones a translator or a word
// processor may bring (characters the game lacks, numbers past a code's
// range, lone line ends).
class ScriptTextGenerator {
public:
    explicit ScriptTextGenerator(quint32 seed) : random_(seed) {}

    QString next()
    {
        QString text;
        const int pieces = random_.between(1, 12);
        for (int i = 0; i < pieces; ++i)
            text += piece();
        return text;
    }

private:
    QString piece()
    {
        static const char16_t* const kWords[] = {
            u"the ", u"Hello", u"there", u"I'm", u"?!", u"(ok)", u"50%", u"a+b=c", u"_", u"~*#$@&",
            u"\r\n", u"<P>\r\n", u"<P>", u"^", u"<N>", u"<i>", u"<S>", u"<D>", u"<17>", u"<7E>", u"<12>",
            u"\u2018", u"\u201D", u"\u2026", u"\u2014", u"\u00E9", u"\t", u"\U0001F600", u"{", u"\n", u"\r",
            u">", u"<", u"<Q>", u"<00>", u"<14>", u"<Nx>", u"<WT>", u"<ws>"};
        switch (random_.below(6)) {
        case 0: return QStringLiteral("<C %1>").arg(random_.between(-1, 16));
        case 1: return QStringLiteral("<T %1>").arg(random_.between(-2, 258));
        case 2: {
            QStringList values;
            for (int n = random_.between(1, 4); n > 0; --n)
                values.append(QString::number(random_.between(-1, 256)));
            return QStringLiteral("<%1 %2>").arg(random_.below(2) ? QStringLiteral("WT") : QStringLiteral("WS"),
                                                 values.join(QStringLiteral(", ")));
        }
        default: return QString::fromUtf16(kWords[random_.below(int(std::size(kWords)))]);
        }
    }

    SampleRandom random_;
};

}  // namespace

TEST(DialogueScriptInvariant, AcceptedTextsReadBackAndRefusedOnesChangeNothing)
{
    ScriptTextGenerator generator(20261207);
    int accepted = 0;
    int refused = 0;
    for (int n = 0; n < 5000; ++n) {
        const QString text = generator.next();
        const QByteArray before("\x20\x00", 2);
        DialogueMessage message{before};
        ScriptError error;
        if (!ParseDialogue(message, text, &error)) {
            ++refused;
            ASSERT_EQ(message.bytes, before) << "text " << n;
            ASSERT_GE(error.offset, 0);
            ASSERT_LT(error.offset, text.size());
            ASSERT_GE(error.line, 1);
            ASSERT_GE(error.column, 1);
            continue;
        }
        ++accepted;
        const QString again = dialoguescript::scriptText(message);
        DialogueMessage reread;
        ASSERT_TRUE(ParseDialogue(reread, again, &error)) << "text " << n << ": " << error.text().toStdString();
        ASSERT_EQ(reread.bytes, message.bytes) << "text " << n << ": " << text.toStdString();
    }
    EXPECT_GT(accepted, 500);
    EXPECT_GT(refused, 500);
}
