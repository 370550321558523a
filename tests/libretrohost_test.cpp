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
