#include "tests/support/memorysettingsstore.h"
#include "shell/csettings.h"
#include "shell/recentfilelist.h"
#include "platform/windowspec.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

WindowSpec windowSpecOf(int l, int t, int r, int b, int v)
{
    WindowSpec s;
    s.left = l;
    s.top = t;
    s.right = r;
    s.bottom = b;
    s.visible = v;
    return s;
}

}  // namespace

TEST(WindowSpecText, UsesTheFixedWidthFormat)
{
    EXPECT_EQ(windowSpecOf(10, 10, 500, 400, 1).toString(), QStringLiteral("0010 0010 0500 0400 1 0 0"));
    EXPECT_EQ(windowSpecOf(-5, 12345, 0, 7, 0).toString(), QStringLiteral("-005 12345 0000 0007 0 0 0"));
    const int U = WindowSpec::kDefaultPosition;
    EXPECT_EQ(windowSpecOf(U, U, 0, 0, 1).toString(), QStringLiteral("-2147483648 -2147483648 0000 0000 1 0 0"));
}

TEST(WindowSpecText, ReadsBackWhatItWrites)
{
    const int U = WindowSpec::kDefaultPosition;
    for (const WindowSpec& window : {windowSpecOf(U, U, 0, 0, 0), windowSpecOf(-1280, -4, 33, 2000000000, 1)}) {
        WindowSpec read = windowSpecOf(1, 2, 3, 4, 5);
        read.parse(window.toString());
        EXPECT_EQ(read, window) << window.toString().toStdString();
    }
}

TEST(WindowSpecText, FieldsThatCannotBeReadKeepTheirDefaults)
{
    WindowSpec window = windowSpecOf(10, 10, 500, 400, 1);
    window.parse(QStringLiteral("0100 0200 x 0400 0 0 0"));
    EXPECT_EQ(window, windowSpecOf(100, 200, 500, 400, 1));

    window = windowSpecOf(10, 10, 500, 400, 1);
    window.parse(QStringLiteral("0050"));
    EXPECT_EQ(window, windowSpecOf(50, 10, 500, 400, 1));

    window = windowSpecOf(10, 10, 500, 400, 1);
    window.parse(QStringLiteral("   "));
    EXPECT_EQ(window, windowSpecOf(10, 10, 500, 400, 1));
}

TEST(Settings, DefaultsWhenNothingIsStored)
{
    platform::MemorySettingsStore store;
    CSettings settings;
    settings.load(store);
    const int U = WindowSpec::kDefaultPosition;
    EXPECT_EQ(settings.gridLines, 0);
    EXPECT_EQ(settings.advancedOptions, 0);
    EXPECT_EQ(settings.mainWindow, windowSpecOf(U, U, 0, 0, 1));  // the main window chooses its place
    EXPECT_EQ(settings.tileDialog, windowSpecOf(U, U, 0, 0, 0));
    EXPECT_EQ(settings.tileWindow, windowSpecOf(U, U, 0, 0, 1));
    EXPECT_EQ(settings.triggerWindow, windowSpecOf(U, U, 0, 0, 0));
    EXPECT_EQ(settings.genPropWindow, windowSpecOf(U, U, 0, 0, 1));
}

TEST(Settings, RoundTripThroughTheStore)
{
    platform::MemorySettingsStore store;
    CSettings written;
    written.gridLines = 1;
    written.advancedOptions = 7;
    written.mainWindow = windowSpecOf(30, 40, 830, 640, 1);
    written.triggerWindow = windowSpecOf(900, 100, 1100, 500, 1);
    written.save(store);

    EXPECT_EQ(store.values.value(QStringLiteral("MapGridlines")), QStringLiteral("1"));
    EXPECT_EQ(store.values.value(QStringLiteral("MainWindowSpecs")), QStringLiteral("0030 0040 0830 0640 1 0 0"));
    EXPECT_EQ(store.values.value(QStringLiteral("TileDialogSpecs")),
              QStringLiteral("-2147483648 -2147483648 0000 0000 0 0 0"));

    CSettings read;
    read.load(store);
    EXPECT_EQ(read.gridLines, 1);
    EXPECT_EQ(read.advancedOptions, 7);
    EXPECT_EQ(read.mainWindow, written.mainWindow);
    EXPECT_EQ(read.triggerWindow, written.triggerWindow);
    EXPECT_EQ(read.tileDialog.left, WindowSpec::kDefaultPosition);
}

TEST(Settings, QSettingsStoreKeepsValuesInTheSettingsGroup)
{
    // A folder of this test's own: never the user's settings, nor another run's.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings check(QStringLiteral("Ombrel"), QStringLiteral("Tessel"));
    ASSERT_TRUE(check.fileName().startsWith(folder.path())) << check.fileName().toStdString();

    platform::QSettingsStore store;
    CSettings written;
    written.gridLines = 1;
    written.mainWindow = windowSpecOf(WindowSpec::kDefaultPosition, 5, 100, 200, 1);
    written.save(store);
    store.setRecentFiles({QStringLiteral("/a.smc"), QStringLiteral("/b.smc")});

    QSettings raw(QStringLiteral("Ombrel"), QStringLiteral("Tessel"));
    EXPECT_EQ(raw.value(QStringLiteral("Settings/MainWindowSpecs")).toString(),
              QStringLiteral("-2147483648 0005 0100 0200 1 0 0"));
    CSettings read;
    read.load(store);
    EXPECT_EQ(read.gridLines, 1);
    EXPECT_EQ(read.mainWindow, written.mainWindow);
    EXPECT_EQ(store.recentFiles(), (QStringList{"/a.smc", "/b.smc"}));
}

TEST(RecentFiles, KeepsFourNewestFirstWithoutDuplicates)
{
    RecentFileList list;
    for (const char* name : {"/r/a.smc", "/r/b.smc", "/r/c.smc", "/r/d.smc", "/r/e.smc"})
        list.add(QString::fromLatin1(name));
    EXPECT_EQ(list.files(), (QStringList{"/r/e.smc", "/r/d.smc", "/r/c.smc", "/r/b.smc"}));
    list.add(QStringLiteral("/r/x/../c.smc"));
    EXPECT_EQ(list.files(), (QStringList{"/r/c.smc", "/r/e.smc", "/r/d.smc", "/r/b.smc"}));
    list.remove(QStringLiteral("/r/e.smc"));
    EXPECT_EQ(list.files(), (QStringList{"/r/c.smc", "/r/d.smc", "/r/b.smc"}));
    list.setFiles({"/r/1", "/r/2", "/r/1"});
    EXPECT_EQ(list.files(), (QStringList{"/r/1", "/r/2"}));
}
