#include "play/emulatorcore.h"
#include "play/padbutton.h"
#include "tests/testsupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tessel;

// The host against a stand-in core that emulates nothing, so these run
// whether or not a real core is installed.
namespace {

const QString kFakeCore = QStringLiteral(TESSEL_FAKE_CORE_PATH);

quint16 ramWord(const EmulatorCore& core, int offset)
{
    const std::span<const quint8> ram = core.systemRam();
    return ram.size() > size_t(offset + 1) ? quint16(ram[offset] | ram[offset + 1] << 8) : 0xFFFF;
}

class FakeGame : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core.loadCore(kFakeCore)) << core.errorString().toStdString();
        ASSERT_TRUE(core.loadGame(rom.path())) << core.errorString().toStdString();
    }

    TempRom rom{QByteArray("FAKE1")};
    EmulatorCore core;
};

}  // namespace

TEST(LibretroHost, FramesOfEveryPixelLayoutReachTheImage)
{
    EmulatorCore core;
    ASSERT_TRUE(core.loadCore(kFakeCore)) << core.errorString().toStdString();
    EXPECT_EQ(core.info().name, QStringLiteral("fake"));
    for (const char* game : {"FAKE0", "FAKE1", "FAKE2"}) {
        TempRom rom{QByteArray(game)};
        ASSERT_TRUE(core.loadGame(rom.path())) << core.errorString().toStdString();
        EXPECT_TRUE(core.frame().isNull());
        core.runFrame();
        ASSERT_EQ(core.frame().size(), QSize(8, 4)) << game;
        EXPECT_EQ(core.frame().pixel(7, 3), qRgb(0xFF, 0, 0)) << game;
    }
    EXPECT_EQ(core.frameRate(), 50.0);
    EXPECT_EQ(core.sampleRate(), 44100.0);
}

TEST(LibretroHost, AGameTheCoreRefusesGivesItsReasonFromTheLog)
{
    EmulatorCore core;
    ASSERT_TRUE(core.loadCore(kFakeCore));
    TempRom notAGame{QByteArray("NOT A GAME")};
    EXPECT_FALSE(core.loadGame(notAGame.path()));
    EXPECT_TRUE(core.errorString().startsWith(QStringLiteral("The emulator core refused the ROM file\n") +
                                              QDir::toNativeSeparators(notAGame.path())))
        << core.errorString().toStdString();
    EXPECT_TRUE(core.errorString().endsWith(QStringLiteral("Error: fake: this is no fake game (10 bytes)")))
        << core.errorString().toStdString();
    EXPECT_FALSE(core.isGameLoaded());

    TempRom unknownLayout{QByteArray("FAKE7")};
    EXPECT_FALSE(core.loadGame(unknownLayout.path()));
    EXPECT_TRUE(core.errorString().endsWith(QStringLiteral("pixel format 7 refused"))) << core.errorString().toStdString();
    EXPECT_TRUE(core.log().contains(QStringLiteral("Error: fake: pixel format 7 refused")));
}

TEST_F(FakeGame, PadButtonsReadAsAMaskAndOneByOne)
{
    const quint16 held = padBit(PadButton::A) | padBit(PadButton::Select) | padBit(PadButton::R);
    core.setPadButtons(held);
    core.runFrame();
    EXPECT_EQ(ramWord(core, 2), held);
    EXPECT_EQ(ramWord(core, 4), held);
    core.setPadButtons(0);
    core.runFrame();
    EXPECT_EQ(ramWord(core, 2), 0);
    EXPECT_EQ(ramWord(core, 4), 0);
}

TEST_F(FakeGame, StatesResetAndSound)
{
    core.setAudioEnabled(true);
    for (int i = 0; i < 5; ++i)
        core.runFrame();
    EXPECT_EQ(core.takeAudio().size(), size_t(5 * 882 * 2));
    const QByteArray state = core.saveState();
    EXPECT_EQ(state.size(), 16);
    core.runFrame();
    EXPECT_EQ(ramWord(core, 0), 6);
    ASSERT_TRUE(core.loadState(state));
    EXPECT_EQ(ramWord(core, 0), 5);
    EXPECT_FALSE(core.loadState(state.left(8)));
    EXPECT_EQ(ramWord(core, 0), 5);
    core.reset();
    EXPECT_EQ(ramWord(core, 0), 0);
    core.setAudioEnabled(false);
    core.runFrame();
    EXPECT_TRUE(core.takeAudio().empty());
}

// A core that misbehaves is stopped with a message naming what it did,
// and the host goes on.
struct Misbehaviour {
    const char* game;
    enum { AtLoad, AtRun, AtStateSave } when;
    const char* named;
};

class MisbehavingCore : public testing::TestWithParam<Misbehaviour> {};

TEST_P(MisbehavingCore, IsStoppedWithAMessageNamingWhatItDid)
{
    const Misbehaviour& m = GetParam();
    EmulatorCore core;
    ASSERT_TRUE(core.loadCore(kFakeCore)) << core.errorString().toStdString();
    core.setAudioEnabled(true);
    TempRom rom{QByteArray(m.game)};
    const bool loaded = core.loadGame(rom.path());
    EXPECT_EQ(loaded, m.when != Misbehaviour::AtLoad);
    if (m.when == Misbehaviour::AtRun)
        core.runFrame();
    if (m.when == Misbehaviour::AtStateSave)
        EXPECT_TRUE(core.saveState().isEmpty());

    EXPECT_FALSE(core.isGameLoaded());
    EXPECT_TRUE(core.fault().contains(QLatin1String(m.named))) << core.fault().toStdString();
    EXPECT_TRUE(core.errorString().startsWith(QStringLiteral("The emulator core\n") + QDir::toNativeSeparators(kFakeCore) +
                                              QStringLiteral("\nwas stopped because it misbehaved:\nIt ")))
        << core.errorString().toStdString();
    EXPECT_TRUE(core.errorString().endsWith(core.fault()));
    core.runFrame();
    EXPECT_FALSE(core.loadGame(rom.path()));
    // A core loaded again starts with a clean record.
    ASSERT_TRUE(core.loadCore(kFakeCore));
    EXPECT_TRUE(core.fault().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    LibretroHost, MisbehavingCore,
    testing::Values(
        Misbehaviour{"FAKE1n", Misbehaviour::AtLoad, "environment call 3 (GET_CAN_DUPE) without the data"},
        Misbehaviour{"FAKE1a", Misbehaviour::AtRun, "It sent 882 frames of sound without the samples."},
        Misbehaviour{"FAKE1A", Misbehaviour::AtRun, "frames of sound at once, more than the 192000"},
        Misbehaviour{"FAKE1v", Misbehaviour::AtRun, "a picture of 100000 x 4 pixels"},
        Misbehaviour{"FAKE1s", Misbehaviour::AtStateSave, "It asked for 18446744073709551615 bytes to save a state"}),
    [](const testing::TestParamInfo<Misbehaviour>& info) { return std::string(1, info.param.game[5]) + "Misbehaviour"; });

TEST(LibretroHost, TheCoresMessagesAreCapped)
{
    EmulatorCore core;
    ASSERT_TRUE(core.loadCore(kFakeCore));
    TempRom chatty{QByteArray("FAKE1m")};
    ASSERT_TRUE(core.loadGame(chatty.path())) << core.errorString().toStdString();
    EXPECT_EQ(core.log().size(), 200);
    for (const QString& line : core.log())
        ASSERT_LE(line.size(), 1024);
    EXPECT_TRUE(core.log().last().startsWith(QStringLiteral("fake: line 299 mmm")));
}

TEST(LibretroHost, EachCoreLoadStartsFromTheDefaultPixelLayout)
{
    EmulatorCore core;
    ASSERT_TRUE(core.loadCore(kFakeCore));
    TempRom xrgb{QByteArray("FAKE1")};
    ASSERT_TRUE(core.loadGame(xrgb.path()));
    core.runFrame();
    ASSERT_EQ(core.frame().format(), QImage::Format_RGB32);

    // The next core sets no layout and draws in libretro's default.
    ASSERT_TRUE(core.loadCore(kFakeCore));
    TempRom silent{QByteArray("FAKE0p")};
    ASSERT_TRUE(core.loadGame(silent.path())) << core.errorString().toStdString();
    core.runFrame();
    EXPECT_EQ(core.frame().format(), QImage::Format_RGB555);
    EXPECT_EQ(core.frame().pixel(7, 3), qRgb(0xFF, 0, 0));
}
