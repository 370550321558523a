#include "platform/gui/clipboardformat.h"
#include "platform/gui/displaysurface.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// Forces a screen depth for one test.
struct ForcedDepth {
    explicit ForcedDepth(int bits) { platform::forceScreenDepth(bits); }
    ~ForcedDepth() { platform::forceScreenDepth(0); }
};

// The offscreen screen is 800 by 800 pixels; its windows have a frame of
// 2 pixels on every side.
const QRect kScreen(0, 0, 800, 800);

}  // namespace

TEST(StartUp, FirstRunCentresTheMainWindowAt640By480)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), kScreen);
    AppUnderTest app;
    ASSERT_TRUE(app.started);
    EXPECT_TRUE(app.frame().isVisible());
    EXPECT_EQ(app.frame().frameGeometry(), QRect(80, 160, 640, 480));
    EXPECT_EQ(app.frame().windowTitle(), QStringLiteral("Tessel - Tessel"));
    EXPECT_EQ(app.frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
    // A command prompt replaces it only while shown.
    app.frame().statusBar()->showMessage(QStringLiteral("Open an existing document"));
    app.frame().statusBar()->clearMessage();
    EXPECT_EQ(app.frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
    EXPECT_TRUE(app.messages.entries.isEmpty());
}

TEST(StartUp, RestoresTheOuterRectangleTheWindowHadAtExit)
{
    platform::MemorySettingsStore kept;
    {
        AppUnderTest first;
        first.frame().setGeometry(122, 82, 636, 496);  // the inside, within a frame of 2
        first.frame().close();
        first.app->exitInstance();
        kept = first.store;
    }
    EXPECT_EQ(kept.values.value(QStringLiteral("MainWindowSpecs")), QStringLiteral("0120 0080 0760 0580 1 0 0"));
    AppUnderTest second({}, kept);
    ASSERT_TRUE(second.started);
    EXPECT_EQ(second.frame().frameGeometry(), QRect(120, 80, 640, 500));
    EXPECT_EQ(second.frame().geometry(), QRect(122, 82, 636, 496));
}

namespace {

struct StoredPlacement {
    const char* name;
    const char* stored;
    QRect frame;  // where the main window's outer rectangle comes back
};

void PrintTo(const StoredPlacement& placement, std::ostream* out)
{
    *out << placement.stored;
}

class StoredPlacementTest : public testing::TestWithParam<StoredPlacement> {};

}  // namespace

TEST_P(StoredPlacementTest, ComesBackWhollyOnTheScreen)
{
    platform::MemorySettingsStore settings;
    settings.values.insert(QStringLiteral("MainWindowSpecs"), QString::fromLatin1(GetParam().stored));
    AppUnderTest app({}, settings);
    EXPECT_EQ(app.frame().frameGeometry(), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, StoredPlacementTest,
    testing::Values(StoredPlacement{"titleBarAboveTheScreen", "0100 -040 0600 0360 1 0 0", QRect(100, 0, 500, 400)},
                    StoredPlacement{"atTheScreensCorner", "0000 0000 0500 0400 1 0 0", QRect(0, 0, 500, 400)},
                    StoredPlacement{"bottomBelowTheScreen", "0100 0600 0600 1000 1 0 0", QRect(100, 400, 500, 400)},
                    StoredPlacement{"largerThanTheScreen", "-010 0000 1000 0900 1 0 0", QRect(0, 0, 800, 800)},
                    StoredPlacement{"offEveryScreenIsCentred", "-9000 -9000 -8400 -8500 1 0 0", QRect(100, 150, 600, 500)},
                    StoredPlacement{"noSizeIsAFirstRun", "-2147483648 -2147483648 0000 0000 1 0 0", QRect(80, 160, 640, 480)}),
    [](const testing::TestParamInfo<StoredPlacement>& info) { return std::string(info.param.name); });

TEST(StartUp, QuitMaximisedStoresTheNormalOuterRectangle)
{
    AppUnderTest app;
    app.frame().setGeometry(202, 152, 596, 446);
    app.frame().showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(app.frame().isMaximized());
    app.frame().close();
    EXPECT_EQ(app.app->settings().mainWindow.toString(), QStringLiteral("0200 0150 0800 0600 1 0 0"));
}

TEST(StartUp, RefusesScreensWithFewerThan16BitsPerPixel)
{
    ForcedDepth depth(8);
    AppUnderTest app;
    EXPECT_FALSE(app.started);
    EXPECT_EQ(app.app->mainFrame(), nullptr);
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_EQ(app.messages.entries[0].text,
              QStringLiteral("This program cannot currently be run in\na 256-color screenmode.  Please "
                             "increase the\nnumber of colors to 16-bit or higher."));
    EXPECT_EQ(app.messages.entries[0].icon, platform::MessageIcon::Error);
}

TEST(StartUp, AcceptsSixteenBitScreens)
{
    ForcedDepth depth(16);
    AppUnderTest app;
    EXPECT_TRUE(app.started);
    EXPECT_EQ(app.app->displayDepth(), 16);
}

TEST(StartUp, OpensTheFileNamedOnTheCommandLine)
{
    TempRom rom;
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    EXPECT_TRUE(app.doc().isLoaded());
    EXPECT_EQ(app.frame().windowTitle(), QStringLiteral("test.smc - Tessel"));
    EXPECT_EQ(app.app->recentFiles().files(), QStringList{rom.path()});
}

TEST(StartUp, EndsWhenTheCommandLineFileIsRefused)
{
    TempRom foreign(QByteArray(0x300200, 'x'));
    AppUnderTest app({foreign.path()});
    EXPECT_FALSE(app.started);
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_EQ(app.messages.entries[0].text,
              QStringLiteral("The ROM you are attempting to load\nis not the American FF3 ROM."));
}

TEST(StartUp, RegistersTheWorldMapClipboardFormat)
{
    AppUnderTest app;
    EXPECT_EQ(platform::clipboardFormatName(app.app->worldMapClipboardFormat()), QStringLiteral("TESSEL_WORLDMAP"));
    // The same name always gets the same id.
    EXPECT_EQ(platform::registerClipboardFormat(QStringLiteral("TESSEL_WORLDMAP")),
              app.app->worldMapClipboardFormat());
}

TEST(StartUp, DisplayErrorIsReportedAndEndsTheEventLoop)
{
    AppUnderTest app;
    app.app->reportDisplayError(0x800401F0u);
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_EQ(app.messages.entries[0].text, QStringLiteral("DirectDraw Error DDERR_NOTINITIALIZED"));
    EXPECT_EQ(app.messages.entries[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(app.app->quitRequested());
    // The loop ends as soon as it runs; the timer only guards a hang, and
    // goes with the test so that it cannot end a later test's dialog.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(2000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(Exit, WritesSettingsAndRecentFiles)
{
    TempRom rom;
    AppUnderTest app({rom.path()});
    app.app->settings().gridLines = 1;
    app.app->exitInstance();
    EXPECT_EQ(app.store.values.value(QStringLiteral("MapGridlines")), QStringLiteral("1"));
    EXPECT_EQ(app.store.values.value(QStringLiteral("AdvancedOptions")), QStringLiteral("0"));
    EXPECT_EQ(app.store.values.value(QStringLiteral("GenPropWindowSpecs")),
              QStringLiteral("-2147483648 -2147483648 0000 0000 1 0 0"));
    EXPECT_EQ(app.store.recent, QStringList{rom.path()});
}

TEST(Exit, GridLinesSwitchedOnStayOnInTheNextRun)
{
    AppUnderTest first;
    first.app->settings().gridLines = 1;
    first.app->exitInstance();
    AppUnderTest second({}, first.store);
    ASSERT_TRUE(second.started);
    EXPECT_EQ(second.app->settings().gridLines, 1);
}
