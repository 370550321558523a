#include "rom/romimage.h"
#include "events/eventlister.h"
#include "events/listingwriter.h"
#include "tests/testsupport.h"
#include "tesselversion.h"
#include "text/dialoguescript.h"
#include "tools/samplerom/sampledialogue.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace tessel;

using events::EventLister;

namespace {

// Lists the commands written at `address` of a copy of the sample ROM.
class Listing {
public:
    explicit Listing(const QByteArray& bytes, SnesAddress address = 0xCA0000)
    {
        QByteArray image = sampleRomBytes();
        image.replace(rom::fileOffset(address), bytes.size(), bytes);
        rom_.openInMemory(image, RomImage::Mode::Loading);
        tables_.load(rom_);
        rom_.SeekSnes(address);
    }

    // The text of the next command (with its continuation lines).
    QString next()
    {
        EventLister lister(rom_, tables_);
        return nextWith(lister);
    }
    // The same, keeping the choice count from one command to the next.
    QString nextWith(EventLister& lister)
    {
        events::ListingWriter out;
        lister.listCommand(out);
        return QString::fromUtf8(out.text().data(), qsizetype(out.text().size()));
    }
    EventLister lister() { return EventLister(rom_, tables_); }
    SnesAddress position() const { return rom_.TellSnes(); }
    const EventTables& tables() const { return tables_; }

private:
    RomImage rom_;
    EventTables tables_;
};

const QString kIndent(15, QLatin1Char(' '));

// The whole listing of the sample ROM, made in memory.
QByteArray sampleListing()
{
    RomImage rom;
    rom.openInMemory(sampleRomBytes(), RomImage::Mode::Loading);
    EventTables tables;
    tables.load(rom);
    events::ListingWriter out;
    EventLister(rom, tables).listAll(out);
    return QByteArray(out.text().data(), qsizetype(out.text().size()));
}

}  // namespace

TEST(EventLister, DialogueCommandsShowTheMessageOnTheirOwnLine)
{
    Listing l(bytesOf({0x4B, 0x05, 0x40}), 0xCA1234);
    const QString message = dialoguescript::plainText(l.tables().dialogue.messages[5]);
    EXPECT_EQ(l.next(), QStringLiteral("CA/1234: 4B    Display dialogue message $0005, wait for button press (Show text only)\n") +
                            kIndent + message + QLatin1Char('\n'));
    EXPECT_EQ(l.position(), 0xCA1237u);

    Listing bottom(bytesOf({0x48, 0xFF, 0xBF}));
    EXPECT_EQ(bottom.next(), QStringLiteral("CA/0000: 48    Display dialogue message $3FFF, continue executing commands "
                                            "(At bottom of screen)\n") +
                                 kIndent + QStringLiteral("<Invalid Dialogue>\n"));
}

TEST(EventLister, UnlistedOpcodesAreOneBytePrefixOnlyLines)
{
    Listing l(bytesOf({0x66, 0xFF, 0x83}));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0000: 66    \n"));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0001: FF    \n"));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0002: 83    \n"));
    EXPECT_EQ(l.position(), 0xCA0003u);
}

TEST(EventLister, QueuesListExactlyTheCommandsInsideTheirLength)
{
    // Queue of 5 bytes: D5 takes two operands, E0 one; the next byte is a
    // main command again. The last queue command runs past the end and is
    // still read whole.
    Listing l(bytesOf({0x02, 0x85, 0xD5, 0x01, 0x02, 0xE0, 0x03, 0x91, 0x31, 0x02, 0xCC, 0xF9, 0x10, 0x00, 0x00, 0x96}));
    const QString name = l.tables().characters[2];
    EXPECT_EQ(l.next(), QStringLiteral("CA/0000: 02    Begin action queue for character $02 (%1), 5 bytes long "
                                       "(Wait until complete)\n"
                                       "CA/0002: D5       Set character position to (1, 2)\n"
                                       "CA/0005: E0       Pause for 3 units\n")
                            .arg(name));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0007: 91    Pause for 15 units\n"));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0008: 31    Begin action queue for character $31 (Party Character 0), "
                                       "2 bytes long \n"
                                       "CA/000A: CC       Turn character up\n"
                                       "CA/000B: F9       Branch to $CA0010\n"));
    EXPECT_EQ(l.next(), QStringLiteral("CA/000F: 96    Restore screen from fade\n"));
}

TEST(EventLister, QueueBranchesAndEventBits)
{
    Listing l(bytesOf({0x10, 0x08, 0xFA, 0x05, 0xFD, 0x07, 0xE2, 0x0B, 0x40, 0xAC}), 0xCA0100);
    EXPECT_EQ(l.next(), QStringLiteral(
                            "CA/0100: 10    Begin action queue for character $10 (NPC $10), 8 bytes long \n"
                            "CA/0102: FA       Increment $1F6D and branch 5 bytes backwards ($CA00FD) if "
                            "($C0FD00 + ($1F6D)) >= $80\n"
                            "CA/0104: FD       Branch 7 bytes forwards ($CA010B)\n"
                            "CA/0106: E2       Set event bit $1E80($10B) [$1EA1, bit 3]\n"
                            "CA/0108: 40       Character Graphical Action $00, flipped horizontally\n"
                            "CA/0109: AC       \n"));
}

TEST(EventLister, IndexedBranchesTakeOneTargetPerChoiceOfTheLastMessage)
{
    const std::vector<QByteArray>& messages = samplegen::sampleDialogueMessages();
    int twoChoices = -1;
    int noChoice = -1;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const int count = samplegen::choiceCount(messages[i]);
        if (count == 2 && twoChoices < 0)
            twoChoices = int(i);
        if (count == 0 && noChoice < 0)
            noChoice = int(i);
    }
    ASSERT_GE(twoChoices, 0);
    ASSERT_GE(noChoice, 0);
    Listing l(bytesOf({0x4B, twoChoices & 0xFF, twoChoices >> 8, 0xB6, 0x10, 0x00, 0x00, 0x00, 0x01, 0x02,
                     0x4B, noChoice & 0xFF, noChoice >> 8, 0xB6, 0x91,
                     0x4B, 0xFF, 0x3F, 0xB6, 0x92}));
    EventLister lister = l.lister();
    l.nextWith(lister);
    EXPECT_EQ(l.nextWith(lister),
              QStringLiteral("CA/0003: B6    Indexed branch based on prior dialogue selection [$CA0010, $CC0100]\n"));
    l.nextWith(lister);
    EXPECT_EQ(l.nextWith(lister), QStringLiteral("CA/000D: B6    Indexed branch based on prior dialogue selection]\n"));
    EXPECT_EQ(l.nextWith(lister), QStringLiteral("CA/000E: 91    Pause for 15 units\n"));
    l.nextWith(lister);  // an invalid message has no choices
    EXPECT_EQ(l.nextWith(lister), QStringLiteral("CA/0012: B6    Indexed branch based on prior dialogue selection]\n"));
}

TEST(EventLister, ConditionalBranchesReadTheirWords)
{
    Listing l(bytesOf({0xC0, 0x23, 0x81, 0x10, 0x00, 0x00,
                     0xC3, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04, 0x80, 0x00, 0x00, 0x02,
                     0xCF}));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0000: C0    If ($1E80($123) [$1EA4, bit 3] is clear), branch to $CA0010\n"));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0006: C3    If ($1E80($001) [$1E80, bit 1] is set) or "
                                       "($1E80($002) [$1E80, bit 2] is set) or ($1E80($003) [$1E80, bit 3] is set) "
                                       "or ($1E80($004) [$1E80, bit 4] is clear), branch to $CC0000\n"));
    EXPECT_EQ(l.position(), 0xCA0012u);  // 0xC3 took 11 operand bytes
    const QString cf = l.next();
    EXPECT_EQ(cf.count(QStringLiteral(" and ")), 7);
    EXPECT_EQ(l.position(), 0xCA0012u + 20);  // 0xCF takes 19
}

TEST(EventLister, TriggerSubroutinesOnePerLine)
{
    Listing l(bytesOf({0xBE, 0x82, 0x10, 0x00, 0x10, 0xCD, 0xAB, 0x20, 0xBE, 0x01, 0x00, 0x00, 0xF0}));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0000: BE    If standing left of the trigger, jump to subroutine $CA0010; \n") +
                            kIndent +
                            QStringLiteral("If standing above the trigger, jump to subroutine $CAABCD (0x80 is set)\n"));
    EXPECT_EQ(l.next(), QStringLiteral("CA/0008: BE    If standing 0xF0 of the trigger, jump to subroutine $CA0000\n"));
}

namespace {

// One main command, listed alone at $CA:0000; "%1" in the text stands for
// the name the command's operand picks from the ROM's tables.
struct OneCommand {
    const char* label;
    std::vector<quint8> bytes;
    const char* text;
    QString (*name)(const EventTables&) = nullptr;
};

void PrintTo(const OneCommand& c, std::ostream* os)
{
    *os << c.label;
}

QString esper0(const EventTables& t)
{
    return t.espers[0];
}
QString character0(const EventTables& t)
{
    return t.characters[0];
}
QString character5(const EventTables& t)
{
    return t.characters[5];
}

class EventCommandText : public testing::TestWithParam<OneCommand> {};

}  // namespace

TEST_P(EventCommandText, ShowsItsDerivedValues)
{
    const OneCommand& c = GetParam();
    Listing l(QByteArray(reinterpret_cast<const char*>(c.bytes.data()), qsizetype(c.bytes.size())));
    QString expected = QStringLiteral("CA/0000: ") + QString::fromLatin1(c.text) + QLatin1Char('\n');
    if (c.name)
        expected = expected.arg(c.name(l.tables()));
    EXPECT_EQ(l.next(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EventLister, EventCommandText,
    testing::Values(
        OneCommand{"ClearEventBit", {0xD5, 0x0B}, "D5    Clear event bit $1E80($20B) [$1EC1, bit 3]"},
        OneCommand{"GiveEsper", {0x86, 0x36}, "86    Give esper $36 (%1) to party", esper0},
        OneCommand{"GiveEsperOutOfRange", {0x86, 0x35}, "86    Give esper $35 (<Invalid Esper>) to party"},
        OneCommand{"PlaceOnVehicle", {0x44, 0x05, 0xC0},
                   "44    Place character $05 (%1) on vehicle $40 (Magitek Armor) (Character is shown)", character5},
        OneCommand{"FlashScreen", {0x55, 0x6A},
                   "55    Flash screen with color component(s) 6 (Yellow [Red + Green]), at intensity 10"},
        OneCommand{"RemoveFromParty", {0x3F, 0x00, 0x00}, "3F    Remove character $00 (%1) from the party", character0},
        OneCommand{"RenameToInvalid", {0x7F, 0x01, 0x50},
                   "7F    Change character $01's name to $50 (<Invalid Character>)"},
        OneCommand{"PauseInFours", {0xB5, 0x04}, "B5    Pause for 15 * 4 (60) units"},
        OneCommand{"SetWord", {0xE8, 0x02, 0x34, 0x12}, "E8    Set word $1FC2($02) [$1FC6] to $1234"},
        OneCommand{"AssignInvalidCharacter", {0x3F, 0x35, 0x01},
                   "3F    Assign character $35 (<Invalid Character>) to party 1"}),
    [](const testing::TestParamInfo<OneCommand>& info) { return std::string(info.param.label); });

TEST(EventLister, MapChunksListTheirRows)
{
    Listing l(bytesOf({0x73, 0x04, 0x05, 0x02, 0x03, 0x01, 0x02, 0x03, 0x0A, 0x0B, 0x0C, 0x91}), 0xCBFFF0);
    EXPECT_EQ(l.next(), QStringLiteral("CB/FFF0: 73    Replace current map's BG0 at (4, 5) with the following (3 x 2) "
                                       "chunk, refresh immediately\n"
                                       "CB/FFF5:       dc.b $01, $02, $03\n"
                                       "CB/FFF8:       dc.b $0A, $0B, $0C\n"));
    EXPECT_EQ(l.next(), QStringLiteral("CB/FFFB: 91    Pause for 15 units\n"));
}

TEST(EventLister, TheSampleAreaIsListedWholeWithEveryOpcode)
{
    const QString listing = QString::fromUtf8(sampleListing());
    const QStringList lines = listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 50000);
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("CA/0000: ")));
    // The last line is the first command at or after $CC:E600.
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("CC/E600: "))) << lines.last().toStdString();
    std::vector<bool> mainSeen(256, false), queueSeen(256, false);
    static const QRegularExpression line(QStringLiteral("^[0-9A-F]{2}/[0-9A-F]{4}: ([0-9A-F]{2})( +)"));
    for (const QString& text : lines) {
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch())
            continue;
        const int code = m.captured(1).toInt(nullptr, 16);
        (m.captured(2).size() == 4 ? mainSeen : queueSeen)[std::size_t(code)] = true;
    }
    for (int code = 0; code < 256; ++code) {
        EXPECT_TRUE(mainSeen[std::size_t(code)]) << "main opcode " << code;
        EXPECT_TRUE(queueSeen[std::size_t(code)]) << "queue code " << code;
    }
    EXPECT_FALSE(listing.contains(QStringLiteral("<Invalid Dialogue>")));
}

TEST(EvdumpProgram, WritesTheListingAndRefusesMissingOrShortRoms)
{
    TempRom file;
    const QString out = file.dir() + QStringLiteral("/listing.txt");
    QProcess run;
    run.start(QStringLiteral(TESSEL_EVDUMP_PATH), {file.path(), out});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    QFile listing(out);
    ASSERT_TRUE(listing.open(QIODevice::ReadOnly));
    // The file, written in pieces as the listing is made, holds the same
    // bytes as the listing made in memory.
    const QByteArray written = listing.readAll();
    EXPECT_GT(written.size(), 1 << 20);
    EXPECT_TRUE(written == sampleListing());

    // Without arguments: FF3.SMC and eventdump.txt in the current folder.
    QProcess missing;
    missing.setWorkingDirectory(file.dir());
    missing.start(QStringLiteral(TESSEL_EVDUMP_PATH), {});
    ASSERT_TRUE(missing.waitForFinished(60000));
    EXPECT_EQ(missing.exitCode(), 1);
    EXPECT_TRUE(missing.readAllStandardError().contains("FF3.SMC"));
    EXPECT_FALSE(QFile::exists(file.dir() + QStringLiteral("/eventdump.txt")));

    TempRom shortRom(sampleRomBytes().left(0x200000), QStringLiteral("FF3.SMC"));
    QProcess cut;
    cut.setWorkingDirectory(shortRom.dir());
    cut.start(QStringLiteral(TESSEL_EVDUMP_PATH), {});
    ASSERT_TRUE(cut.waitForFinished(60000));
    EXPECT_EQ(cut.exitCode(), 1);
    EXPECT_TRUE(cut.readAllStandardError().contains("is shorter than the 3 MB"));
    EXPECT_FALSE(QFile::exists(shortRom.dir() + QStringLiteral("/eventdump.txt")));
}

TEST(EvdumpProgram, HelpAndVersionPrintOnStdoutAndExitZero)
{
    const QString evdump = QStringLiteral(TESSEL_EVDUMP_PATH);
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const ToolRun run = runTool(evdump, {option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("usage: evdump [ROM [OUT]]\n"))) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("FF3.SMC")) && run.out.contains(QStringLiteral("eventdump.txt")));
        EXPECT_EQ(run.err.toStdString(), "");
    }
    for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const ToolRun run = runTool(evdump, {option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.toStdString(), "evdump " + std::string(tessel::kVersion) + "\n");
    }
}

TEST(EvdumpProgram, AThirdArgumentOrAnUnknownOptionIsRefusedWithTheUsage)
{
    TempRom file;
    const QString out = file.dir() + QStringLiteral("/listing.txt");
    for (const QStringList& args : {QStringList{file.path(), out, QStringLiteral("more")},
                                    QStringList{QStringLiteral("--fast"), file.path(), out}}) {
        const ToolRun run = runTool(QStringLiteral(TESSEL_EVDUMP_PATH), args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("evdump: "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("\nusage: evdump [ROM [OUT]]\n"))) << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(), "");
        EXPECT_FALSE(QFile::exists(out));
    }
}
