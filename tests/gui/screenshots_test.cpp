#include "play/views/crunwindow.h"
#include "shell/caboutbox.h"
#include "shell/capplypatchdialog.h"
#include "shell/ccreatepatchdialog.h"
#include "shell/crestorebackupdialog.h"
#include "shell/ctabbedframe.h"
#include "uikit/cfilefield.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// Lets layouts and deferred paints settle before grabbing.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void writeShot(QWidget& window, const QString& name)
{
    const QString dir = QStringLiteral(TESSEL_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(dir));
    settle();
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), window.size() * shot.devicePixelRatio());
    ASSERT_TRUE(shot.save(dir + QLatin1Char('/') + name)) << name.toStdString();
}

}  // namespace

// Pictures of the main window and of every group's frame for a look by eye.
TEST(Screenshots, MainWindowAndEveryGroupFrame)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    writeShot(app.frame(), QStringLiteral("main-window.png"));

    // A ROM another tool expanded: the status bar says its data is kept.
    TempRom expanded(sampleRomBytes() + QByteArray(0x10000, 'x'), QStringLiteral("expanded.smc"));
    ASSERT_TRUE(app.frame().openDocument(expanded.path()));
    writeShot(app.frame(), QStringLiteral("main-window-other-tools-data.png"));
    ASSERT_TRUE(app.frame().openDocument(rom.path()));

    CAboutBox about(&app.frame());
    about.show();
    writeShot(about, QStringLiteral("about-box.png"));
    about.hide();

    const struct {
        const char* item;
        const char* file;
    } groups[] = {
        {"World of Balance", "frame-world-map.png"},
        {"Dialogue and Fonts", "frame-dialogue.png"},
        {"Items and Magic", "frame-items.png"},
        {"Monsters", "frame-monsters.png"},
        {"Characters", "frame-characters.png"},
    };
    for (const auto& group : groups) {
        QTreeWidgetItem* item = findItem(app.tree(), QString::fromLatin1(group.item));
        if (!item) {
            // No world maps in the document yet: the frame without its map.
            CTabbedFrame frame(app.doc(), 148);
            ASSERT_TRUE(frame.load(QStringLiteral("TVGWorldMapGroup")));
            frame.initialUpdate();
            writeShot(frame, QString::fromLatin1(group.file));
            continue;
        }
        CTabbedFrame* frame = app.tree().openItem(item);
        ASSERT_NE(frame, nullptr) << group.item;
        writeShot(*frame, QString::fromLatin1(group.file));
    }
}

// The dialogs of the File menu's patch and backup commands.
TEST(Screenshots, PatchAndBackupDialogs)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    ScriptedFileChooser files;

    CCreatePatchDialog create(rom.path(), true, files);
    create.show();
    writeShot(create, QStringLiteral("dialog-create-patch.png"));

    CApplyPatchDialog apply(rom.path(), files);
    apply.findChild<CFileField*>(QStringLiteral("patchPath"))->setPath(rom.dir() + QStringLiteral("/hack.bps"));
    apply.show();
    writeShot(apply, QStringLiteral("dialog-apply-patch.png"));

    const QDateTime noon(QDate(2024, 5, 1), QTime(12, 0, 0));
    QList<RomBackups::Entry> backups;
    for (int i = 0; i < 4; ++i)
        backups.append({rom.path(), noon.addSecs(-3600 * i), i == 1 ? 2 : 1, 3146240 + (i == 3 ? 1048576 : 0)});
    CRestoreBackupDialog restore(backups, QStringLiteral("sample.smc"), rom.dir() + QStringLiteral("/sample-backups"));
    restore.show();
    writeShot(restore, QStringLiteral("dialog-restore-backup.png"));
}

// The Run window on the sample, at the default scale.
TEST(Screenshots, RunWindow)
{
    SKIP_WITHOUT_EMULATOR_CORE();
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    ASSERT_TRUE(app.frame().runDocument());
    CRunWindow* run = app.frame().runWindow();
    run->setPaused(true);
    run->runFrames(120);
    writeShot(*run, QStringLiteral("run-window.png"));

    QAction* pause = run->findChild<QAction*>(QStringLiteral("actionPause"));
    ASSERT_NE(pause, nullptr);
    QMenu* emulation = pause->associatedObjects().isEmpty() ? nullptr
                                                            : qobject_cast<QMenu*>(pause->associatedObjects().first());
    ASSERT_NE(emulation, nullptr);
    emulation->popup(run->mapToGlobal(QPoint(40, 20)));
    writeShot(*emulation, QStringLiteral("run-window-emulation-menu.png"));
    emulation->hide();
}
