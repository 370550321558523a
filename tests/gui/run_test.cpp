#include "play/padbutton.h"
#include "play/playsettings.h"
#include "play/views/cemulatorcoredialog.h"
#include "play/views/cpadkeysdialog.h"
#include "play/views/crunscreen.h"
#include "play/views/crunwindow.h"
#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/support/recordingmessageservice.h"
#include "tests/testsupport.h"
#include "text/gamefonts.h"
#include "text/menutext.h"
#include "tools/samplerom/sampleboot.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

using Choice = CMainFrame::SaveChoice;

// The sample ROM open in Tessel, ready to run.
class RunCommand : public testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_EMULATOR_CORE();
        ASSERT_TRUE(app.frame().openDocument(rom.path()));
    }

    void edit()
    {
        flipItemNameBits(app.doc(), 0, 0);
    }

    CRunWindow& window()
    {
        CRunWindow* run = app.frame().runWindow();
        EXPECT_NE(run, nullptr);
        return *run;
    }

    quint16 ramWord(int offset)
    {
        const std::span<const quint8> ram = window().core().systemRam();
        return ram.size() > size_t(offset + 1) ? quint16(ram[offset] | ram[offset + 1] << 8) : 0xFFFF;
    }

    QAction* runAction(const char* name) { return window().findChild<QAction*>(QString::fromLatin1(name)); }

    TempRom rom{sampleRomBytes(), QStringLiteral("sample.smc")};
    AppUnderTest app;
};

void sendKey(QWidget* widget, QEvent::Type type, int key, quint32 nativeVirtualKey = 0)
{
    QKeyEvent event(type, key, Qt::NoModifier, 0, nativeVirtualKey, 0);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

TEST_F(RunCommand, RunsTheFileOnDiskAndShowsItsPicture)
{
    ASSERT_TRUE(app.frame().runDocument());
    EXPECT_TRUE(app.questions.isEmpty());  // nothing to save
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Run - sample.smc"));
    window().runFrames(120);
    EXPECT_EQ(samplePictureDifference(window().screen()->frame()), QString());
    // The timer keeps the game going without help.
    const qint64 before = window().core().framesRun();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().core().framesRun() > before + 2; }, 10000));
}

TEST_F(RunCommand, AModifiedDocumentIsSavedFirstWhenTheUserSaysSo)
{
    edit();
    app.answers = {Choice::Cancel};
    EXPECT_FALSE(app.frame().runDocument());
    EXPECT_EQ(app.questions, QStringList{QStringLiteral("sample.smc")});
    EXPECT_EQ(app.frame().runWindow(), nullptr);
    EXPECT_EQ(rom.read(), sampleRomBytes());

    app.answers = {Choice::Save};
    ASSERT_TRUE(app.frame().runDocument());
    EXPECT_FALSE(app.doc().isModified());
    const QByteArray saved = rom.read();
    EXPECT_NE(saved, sampleRomBytes());
    window().runFrames(120);
    EXPECT_EQ(samplePictureDifference(window().screen()->frame(), saved), QString());
}

TEST_F(RunCommand, NotSavingRunsTheFileAsItWasAndKeepsTheEdits)
{
    edit();
    app.answers = {Choice::Discard};
    ASSERT_TRUE(app.frame().runDocument());
    EXPECT_TRUE(app.doc().isModified());
    EXPECT_EQ(rom.read(), sampleRomBytes());
    EXPECT_TRUE(window().core().isGameLoaded());
}

TEST_F(RunCommand, RunAgainReloadsTheFileFromDisk)
{
    ASSERT_TRUE(app.frame().runDocument());
    window().close();
    EXPECT_FALSE(window().core().isCoreLoaded());

    // Another tool changes the menu font's "E" into a solid block.
    QByteArray changed = sampleRomBytes();
    const int code = menutext::MenuCodeFromChar(QLatin1Char('E'));
    const qint64 glyph =
        rom::fileOffset(GameFonts::kMenuGlyphsAddress) + (code - GameFonts::kMenuFirstCode) * GameFonts::kMenuGlyphSize;
    changed.replace(glyph, GameFonts::kMenuGlyphSize, QByteArray(GameFonts::kMenuGlyphSize, char(0xFF)));
    rom.write(changed);

    ASSERT_TRUE(app.frame().runDocument());
    window().runFrames(120);
    EXPECT_EQ(samplePictureDifference(window().screen()->frame(), changed), QString());
}

TEST_F(RunCommand, TheEditorFramesTestCommandRunsToo)
{
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("Items and Magic")));
    ASSERT_NE(frame, nullptr);
    QAction* test = frame->findChild<QAction*>(QStringLiteral("actionTest"));
    ASSERT_NE(test, nullptr);
    test->trigger();
    ASSERT_NE(app.frame().runWindow(), nullptr);
    EXPECT_TRUE(window().core().isGameLoaded());
}

TEST_F(RunCommand, KeysHoldThePadButtonsTheSettingsName)
{
    ASSERT_TRUE(app.frame().runDocument());
    CRunScreen* screen = window().screen();
    constexpr quint32 kRightShiftKeysym = 0xFFE2;
    constexpr quint32 kLeftShiftKeysym = 0xFFE1;
    sendKey(screen, QEvent::KeyPress, Qt::Key_X);
    sendKey(screen, QEvent::KeyPress, Qt::Key_Return);
    sendKey(screen, QEvent::KeyPress, Qt::Key_Shift, kRightShiftKeysym);
    sendKey(screen, QEvent::KeyPress, Qt::Key_Up);
    window().runFrames(3);
    // As the console reads them: Select, Start and Up high, A low.
    EXPECT_EQ(ramWord(sampleboot::kPadRamOffset), 0x2000 | 0x1000 | 0x0800 | 0x0080);

    sendKey(screen, QEvent::KeyRelease, Qt::Key_Shift, kRightShiftKeysym);
    sendKey(screen, QEvent::KeyRelease, Qt::Key_Return);
    sendKey(screen, QEvent::KeyPress, Qt::Key_Shift, kLeftShiftKeysym);  // not mapped
    window().runFrames(3);
    EXPECT_EQ(ramWord(sampleboot::kPadRamOffset), 0x0800 | 0x0080);

    // A key chosen in the settings.
    app.app->settings().play.keys.setKey(PadButton::B, Qt::Key_K);
    sendKey(screen, QEvent::KeyPress, Qt::Key_K);
    window().runFrames(3);
    EXPECT_EQ(ramWord(sampleboot::kPadRamOffset), 0x8000 | 0x0800 | 0x0080);

    // Leaving the window lets go of everything.
    screen->releaseAll();
    window().runFrames(3);
    EXPECT_EQ(ramWord(sampleboot::kPadRamOffset), 0);
}

TEST_F(RunCommand, TabHoldsFastForwardAndPStopsTheClock)
{
    ASSERT_TRUE(app.frame().runDocument());
    CRunScreen* screen = window().screen();
    QTest::keyPress(screen, Qt::Key_Tab);
    EXPECT_TRUE(window().isFastForward());
    QTest::keyRelease(screen, Qt::Key_Tab);
    EXPECT_FALSE(window().isFastForward());

    QAction* pause = runAction("actionPause");
    ASSERT_NE(pause, nullptr);
    EXPECT_EQ(pause->shortcut(), QKeySequence(Qt::Key_P));
    pause->trigger();
    EXPECT_TRUE(window().isPaused());
    EXPECT_EQ(window().statusBar()->currentMessage(), QStringLiteral("Paused"));
    const qint64 frames = window().core().framesRun();
    QTest::qWait(100);
    EXPECT_EQ(window().core().framesRun(), frames);
    pause->trigger();
    EXPECT_FALSE(window().isPaused());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().core().framesRun() > frames; }, 10000));
}

TEST_F(RunCommand, QuickStatesSaveAndLoadInMemory)
{
    ASSERT_TRUE(app.frame().runDocument());
    window().setPaused(true);
    QAction* save1 = runAction("actionSaveState1");
    QAction* load1 = runAction("actionLoadState1");
    ASSERT_NE(save1, nullptr);
    ASSERT_NE(load1, nullptr);
    EXPECT_EQ(save1->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    EXPECT_EQ(load1->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(runAction("actionLoadState4")->shortcut(), QKeySequence(Qt::Key_F4));

    window().runFrames(60);
    const quint16 count = ramWord(sampleboot::kFrameCountRamOffset);
    save1->trigger();
    EXPECT_TRUE(window().hasQuickState(0));
    EXPECT_EQ(window().statusBar()->currentMessage(), QStringLiteral("Saved state 1"));
    window().runFrames(30);
    ASSERT_NE(ramWord(sampleboot::kFrameCountRamOffset), count);
    load1->trigger();
    EXPECT_EQ(ramWord(sampleboot::kFrameCountRamOffset), count);
    EXPECT_EQ(window().statusBar()->currentMessage(), QStringLiteral("Loaded state 1"));

    runAction("actionLoadState2")->trigger();
    EXPECT_EQ(window().statusBar()->currentMessage(), QStringLiteral("State 2 is empty"));
    EXPECT_EQ(ramWord(sampleboot::kFrameCountRamOffset), count);

    // A new run of the same file keeps them; reset restarts the program.
    ASSERT_TRUE(app.frame().runDocument());
    EXPECT_TRUE(window().hasQuickState(0));
    window().runFrames(30);
    runAction("actionReset")->trigger();
    window().runFrames(2);
    EXPECT_LE(ramWord(sampleboot::kFrameCountRamOffset), 2);
}

TEST_F(RunCommand, ScreenshotsAreThePictureAtTheConsolesSize)
{
    ASSERT_TRUE(app.frame().runDocument());
    window().runFrames(120);
    const QString path = rom.dir() + QStringLiteral("/shot.png");
    ASSERT_TRUE(window().saveScreenshot(path));
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32),
              window().core().frame().convertToFormat(QImage::Format_RGB32));

    const QString nowhere = rom.dir() + QStringLiteral("/no/such/folder/shot.png");
    EXPECT_FALSE(window().saveScreenshot(nowhere));
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_TRUE(app.messages.entries[0].text.startsWith(QStringLiteral("Could not save"))) << app.messages.entries[0].text.toStdString();
    EXPECT_EQ(app.messages.entries[0].caption, QStringLiteral("Run"));
}

TEST_F(RunCommand, TheScreenshotDialogAddsTheExtensionItself)
{
    ASSERT_TRUE(app.frame().runDocument());
    window().runFrames(10);
    QAction* shot = nullptr;
    for (QAction* action : window().findChildren<QAction*>())
        if (action->text() == QStringLiteral("&Screenshot..."))
            shot = action;
    ASSERT_NE(shot, nullptr);
    app.files.answers = {rom.dir() + QStringLiteral("/asked")};
    shot->trigger();
    EXPECT_EQ(app.files.suffixes, QStringList{QStringLiteral("png")});
    EXPECT_TRUE(QFile::exists(rom.dir() + QStringLiteral("/asked.png")));
}

TEST_F(RunCommand, ScaleAndPixelAspectSizeThePictureAndPersist)
{
    ASSERT_TRUE(app.frame().runDocument());
    window().runFrames(1);
    runAction("actionScale3")->trigger();
    EXPECT_EQ(window().screen()->sizeHint(), QSize(768, 672));
    runAction("actionPixelAspect")->trigger();
    EXPECT_EQ(window().screen()->sizeHint(), QSize(878, 672));
    window().screen()->resize(900, 700);
    EXPECT_EQ(window().screen()->pictureRect(), QRect(11, 14, 878, 672));
    app.app->exitInstance();
    EXPECT_EQ(app.store.values.value(QStringLiteral("EmulatorScale")), QStringLiteral("3"));
    EXPECT_EQ(app.store.values.value(QStringLiteral("EmulatorPixelAspect")), QStringLiteral("1"));
}

// The Run window on the stand-in core of the host's tests.
class FakeCoreRun : public testing::Test {
protected:
    FakeCoreRun() { settings.corePath = QStringLiteral(TESSEL_FAKE_CORE_PATH); }

    TempRom game{QByteArray("FAKE1")};
    PlaySettings settings;
    platform::RecordingMessageService messages;
    CRunWindow window{settings, messages};
};

TEST_F(FakeCoreRun, QuickStatesBelongToTheCoreThatMadeThem)
{
    const QString otherCore = game.dir() + QStringLiteral("/other_libretro.so");
    ASSERT_TRUE(QFile::copy(settings.corePath, otherCore));
    ASSERT_TRUE(window.start(game.path()));
    window.setPaused(true);
    window.runFrames(3);
    window.saveQuickState(0);
    ASSERT_TRUE(window.hasQuickState(0));
    ASSERT_TRUE(window.start(game.path()));
    EXPECT_TRUE(window.hasQuickState(0));

    settings.corePath = otherCore;
    ASSERT_TRUE(window.start(game.path()));
    EXPECT_FALSE(window.hasQuickState(0));
    window.setPaused(true);
    window.loadQuickState(0);
    EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("State 1 is empty"));
    EXPECT_TRUE(messages.entries.isEmpty());
}

TEST_F(FakeCoreRun, AMisbehavingCoreEndsTheRunWithAMessage)
{
    game.write("FAKE1s");  // a state size of SIZE_MAX
    ASSERT_TRUE(window.start(game.path()));
    window.setPaused(true);
    window.saveQuickState(0);
    EXPECT_FALSE(window.hasQuickState(0));
    EXPECT_FALSE(window.core().isCoreLoaded());
    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_TRUE(messages.entries[0].text.contains(QStringLiteral("It asked for 18446744073709551615 bytes to save a state")))
        << messages.entries[0].text.toStdString();
    EXPECT_EQ(messages.entries[0].icon, platform::MessageIcon::Warning);

    game.write("FAKE1a");  // sound without samples
    ASSERT_TRUE(window.start(game.path()));
    window.setPaused(true);
    window.runFrames(1);
    EXPECT_FALSE(window.core().isCoreLoaded());
    ASSERT_EQ(messages.entries.size(), 2);
    EXPECT_TRUE(messages.entries[1].text.endsWith(QStringLiteral("It sent 882 frames of sound without the samples.")))
        << messages.entries[1].text.toStdString();
}

TEST(RunMissingCore, GivesTheMessageAndEditingGoesOn)
{
    TempRom rom;
    platform::MemorySettingsStore settings;
    const QString core = rom.dir() + QStringLiteral("/gone_libretro.so");
    settings.values.insert(QStringLiteral("EmulatorCore"), core);
    AppUnderTest app({rom.path()}, settings);
    ASSERT_TRUE(app.started);
    EXPECT_FALSE(app.frame().runDocument());
    ASSERT_EQ(app.messages.entries.size(), 1);
    const QString message = app.messages.entries[0].text;
    EXPECT_TRUE(message.contains(core)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("libretro-bsnes-mercury-performance"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Options > Emulator Core..."))) << message.toStdString();
    EXPECT_EQ(app.messages.entries[0].icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(app.frame().runWindow() == nullptr || !app.frame().runWindow()->isVisible());
    EXPECT_TRUE(app.frame().saveDocument());
}

TEST(EmulatorCoreDialog, SaysWhatAPathHoldsAndTakesTheDefaultAsEmpty)
{
    TempRom rom;
    const QString gone = rom.dir() + QStringLiteral("/gone_libretro.so");
    CEmulatorCoreDialog dialog(gone);
    EXPECT_EQ(dialog.corePath(), gone);
    EXPECT_TRUE(dialog.description().contains(QStringLiteral("could not be loaded"))) << dialog.description().toStdString();
    dialog.findChild<QPushButton*>(QStringLiteral("useDefault"))->click();
    EXPECT_EQ(dialog.corePath(), QString());
    dialog.setCorePath(EmulatorCore::defaultCorePath());
    EXPECT_EQ(dialog.corePath(), QString());
    if (emulatorCoreInstalled()) {
        EXPECT_TRUE(dialog.description().startsWith(QStringLiteral("bsnes"))) << dialog.description().toStdString();
    }
}

TEST(PadKeysDialog, AClickedButtonTakesTheNextKey)
{
    CPadKeysDialog dialog{PadKeyMap()};
    QPushButton* a = dialog.keyButton(PadButton::A);
    EXPECT_EQ(a->text(), QStringLiteral("X"));
    EXPECT_EQ(dialog.keyButton(PadButton::Select)->text(), QStringLiteral("Right Shift"));
    a->click();
    EXPECT_EQ(a->text(), QStringLiteral("Press a key..."));
    QTest::keyClick(a, Qt::Key_Tab);  // Tab is a key like any other here
    EXPECT_EQ(dialog.keys().key(PadButton::A), int(Qt::Key_Tab));
    EXPECT_EQ(a->text(), QStringLiteral("Tab"));

    QPushButton* start = dialog.keyButton(PadButton::Start);
    start->click();
    QTest::keyClick(start, Qt::Key_Escape);  // leaves the key as it was
    EXPECT_EQ(dialog.keys().key(PadButton::Start), int(Qt::Key_Return));
    QTest::keyClick(start, Qt::Key_M);  // not waiting: no change
    EXPECT_EQ(dialog.keys().key(PadButton::Start), int(Qt::Key_Return));
}

TEST(PadKeysDialog, RefusesAKeyThatAnotherButtonHas)
{
    CPadKeysDialog dialog{PadKeyMap()};
    QPushButton* b = dialog.keyButton(PadButton::B);
    b->click();
    QTest::keyClick(b, Qt::Key_X);  // the key of A
    EXPECT_EQ(dialog.keys(), PadKeyMap());
    EXPECT_EQ(b->text(), QStringLiteral("Z"));
    EXPECT_EQ(dialog.problem(), QStringLiteral("X is already the key of A. Choose another key for B."));
    // The keypad's Enter is Start's Enter.
    b->click();
    QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialog.keys(), PadKeyMap());
    EXPECT_EQ(dialog.problem(), QStringLiteral("Enter is already the key of Start. Choose another key for B."));

    // A free key is taken and the message goes; a button's own key is no conflict.
    b->click();
    QTest::keyClick(b, Qt::Key_V);
    EXPECT_EQ(dialog.keys().key(PadButton::B), int(Qt::Key_V));
    EXPECT_EQ(dialog.problem(), QString());
    b->click();
    QTest::keyClick(b, Qt::Key_V);
    EXPECT_EQ(dialog.keys().key(PadButton::B), int(Qt::Key_V));
    EXPECT_EQ(dialog.problem(), QString());
}
