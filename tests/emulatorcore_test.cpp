#include "play/emulatorcore.h"
#include "play/padbutton.h"
#include "tests/testsupport.h"
#include "text/gamefonts.h"
#include "text/menutext.h"
#include "tools/samplerom/sampleboot.h"

#include <QFileInfo>
#include <QLibraryInfo>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The sample ROM loaded in the default core.
class SampleRun : public testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_EMULATOR_CORE();
        ASSERT_TRUE(core.loadCore(EmulatorCore::defaultCorePath())) << core.errorString().toStdString();
        ASSERT_TRUE(core.loadGame(rom.path())) << core.errorString().toStdString();
    }

    void run(int frames)
    {
        for (int i = 0; i < frames; ++i)
            core.runFrame();
    }

    quint16 ramWord(int offset) const
    {
        const std::span<const quint8> ram = core.systemRam();
        EXPECT_GT(ram.size(), size_t(offset + 1));
        return ram.size() > size_t(offset + 1) ? quint16(ram[offset] | ram[offset + 1] << 8) : 0;
    }
    quint16 frameCount() const { return ramWord(sampleboot::kFrameCountRamOffset); }

    TempRom rom{sampleRomBytes(), QStringLiteral("sample.smc")};
    EmulatorCore core;
};

void expectCoreMessage(const EmulatorCore& core, const QString& path)
{
    const QString message = core.errorString();
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("libretro-bsnes-mercury-performance"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Options > Emulator Core..."))) << message.toStdString();
    EXPECT_FALSE(core.isCoreLoaded());
}

}  // namespace

TEST_F(SampleRun, ShowsTheBackdropAndTheWordAfter120Frames)
{
    EXPECT_GT(core.frameRate(), 59.0);
    EXPECT_LT(core.frameRate(), 61.0);
    run(120);
    EXPECT_EQ(core.framesRun(), 120);
    EXPECT_EQ(samplePictureDifference(core.frame()), QString());
    // The program counts the frame interrupts it has taken.
    EXPECT_GE(frameCount(), 115);
    EXPECT_LE(frameCount(), 120);
}

TEST_F(SampleRun, DrawsTheWordWithTheFontOfTheFileOnDisk)
{
    QByteArray edited = sampleRomBytes();
    const int code = menutext::MenuCodeFromChar(QLatin1Char('E'));
    const SnesAddress glyph =
        GameFonts::kMenuGlyphsAddress + SnesAddress(code - GameFonts::kMenuFirstCode) * GameFonts::kMenuGlyphSize;
    for (int i = 0; i < GameFonts::kMenuGlyphSize; ++i)
        edited[rom::fileOffset(glyph) + i] = char(0xFF);  // a solid white block
    rom.write(edited);
    ASSERT_TRUE(core.loadGame(rom.path())) << core.errorString().toStdString();
    run(120);
    EXPECT_EQ(samplePictureDifference(core.frame(), edited), QString());
    EXPECT_NE(samplePictureDifference(core.frame(), sampleRomBytes()), QString());
}

TEST_F(SampleRun, LoadingAStateBringsBackTheMachineAsSaved)
{
    run(60);
    const QByteArray state = core.saveState();
    ASSERT_FALSE(state.isEmpty());
    const quint16 countAtSave = frameCount();
    core.runFrame();
    const QImage frameAfterSave = core.frame().copy();

    core.setPadButtons(padBit(PadButton::B));
    run(30);
    ASSERT_NE(frameCount(), countAtSave);
    ASSERT_NE(ramWord(sampleboot::kPadRamOffset), 0);

    core.setPadButtons(0);
    ASSERT_TRUE(core.loadState(state));
    EXPECT_EQ(frameCount(), countAtSave);
    EXPECT_EQ(ramWord(sampleboot::kPadRamOffset), 0);
    core.runFrame();
    EXPECT_EQ(core.frame(), frameAfterSave);

    EXPECT_FALSE(core.loadState(QByteArray("not a state")));
    EXPECT_FALSE(core.loadState(QByteArray()));
    EXPECT_EQ(frameCount(), countAtSave + 1);
}

TEST_F(SampleRun, HeldButtonsReachTheProgramAsTheConsoleReadsThem)
{
    // The console's pad register: B Y Select Start Up Down Left Right in
    // the high byte, A X L R in the top of the low byte.
    const struct {
        quint16 buttons;
        quint16 read;
    } cases[] = {
        {padBit(PadButton::A) | padBit(PadButton::Start), 0x1080},
        {padBit(PadButton::B) | padBit(PadButton::Y) | padBit(PadButton::Select), 0xE000},
        {padBit(PadButton::Up) | padBit(PadButton::Right), 0x0900},
        {padBit(PadButton::X) | padBit(PadButton::L) | padBit(PadButton::R), 0x0070},
        {0, 0},
    };
    for (const auto& c : cases) {
        core.setPadButtons(c.buttons);
        run(3);
        EXPECT_EQ(ramWord(sampleboot::kPadRamOffset), c.read) << std::hex << c.buttons;
    }
}

TEST_F(SampleRun, ResetStartsTheProgramAgain)
{
    run(100);
    ASSERT_GE(frameCount(), 95);
    core.reset();
    run(10);
    EXPECT_LE(frameCount(), 10);
    EXPECT_EQ(samplePictureDifference(core.frame()), QString());
}

TEST_F(SampleRun, SoundIsCollectedOnlyWhenEnabled)
{
    run(10);
    EXPECT_TRUE(core.takeAudio().empty());
    core.setAudioEnabled(true);
    run(60);
    // One second of stereo samples, give or take a frame.
    const double expected = 2 * core.sampleRate() * 60 / core.frameRate();
    const auto samples = double(core.takeAudio().size());
    EXPECT_GT(samples, expected * 0.95);
    EXPECT_LT(samples, expected * 1.05);
    EXPECT_TRUE(core.takeAudio().empty());
}

TEST_F(SampleRun, AFileThatCannotBeReadLeavesTheRunningGame)
{
    run(10);
    EXPECT_FALSE(core.loadGame(rom.dir() + QStringLiteral("/missing.smc")));
    EXPECT_TRUE(core.errorString().contains(QStringLiteral("could not be read"))) << core.errorString().toStdString();
    TempRom empty{QByteArray(), QStringLiteral("empty.smc")};
    EXPECT_FALSE(core.loadGame(empty.path()));
    EXPECT_TRUE(core.errorString().contains(QStringLiteral("empty"))) << core.errorString().toStdString();

    EXPECT_TRUE(core.isGameLoaded());
    run(110);
    EXPECT_EQ(core.framesRun(), 120);
    EXPECT_EQ(samplePictureDifference(core.frame()), QString());
}

TEST(EmulatorCore, AMissingOrBrokenCoreGivesTheMessageAndNoCrash)
{
    TempRom rom;
    EmulatorCore core;
    const QString missing = rom.dir() + QStringLiteral("/no-such-core.so");
    EXPECT_FALSE(core.loadCore(missing));
    expectCoreMessage(core, missing);
    EXPECT_FALSE(core.loadGame(rom.path()));
    core.runFrame();
    EXPECT_TRUE(core.frame().isNull());

    TempRom junk{QByteArray(4096, 'x'), QStringLiteral("junk_libretro.so")};
    EXPECT_FALSE(core.loadCore(junk.path()));
    expectCoreMessage(core, junk.path());

    // A real shared library, but no core.
    const QString qtCore = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6");
    if (QFileInfo::exists(qtCore)) {
        EXPECT_FALSE(core.loadCore(qtCore));
        expectCoreMessage(core, qtCore);
        EXPECT_TRUE(core.errorString().contains(QStringLiteral("retro_api_version"))) << core.errorString().toStdString();
    }

    EXPECT_FALSE(core.loadCore(QString()));
    EXPECT_TRUE(core.errorString().contains(QStringLiteral("No core is chosen")));
}

TEST(EmulatorCore, OneCoreAtATime)
{
    SKIP_WITHOUT_EMULATOR_CORE();
    TempRom rom;
    auto first = std::make_unique<EmulatorCore>();
    ASSERT_TRUE(first->loadCore(EmulatorCore::defaultCorePath()));
    EmulatorCore second;
    EXPECT_FALSE(second.loadCore(EmulatorCore::defaultCorePath()));
    EXPECT_EQ(second.errorString(), QString::fromLatin1(playmessages::kCoreBusy));
    first.reset();
    ASSERT_TRUE(second.loadCore(EmulatorCore::defaultCorePath())) << second.errorString().toStdString();
    ASSERT_TRUE(second.loadGame(rom.path()));
    for (int i = 0; i < 120; ++i)
        second.runFrame();
    EXPECT_EQ(samplePictureDifference(second.frame()), QString());
}
