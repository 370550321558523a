// Recovery copies in the running program: a Tessel killed while its
// document is modified leaves a copy the next start offers, and Recover
// gives what Save would have written; Save and a clean exit remove the
// copy; a copy that cannot be written changes nothing but the status bar.
#include "shell/ctabbedframe.h"
#include "shell/recoverykeeper.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QProcess>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The files of the recovery folder.
QStringList recoveryFiles(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files);
}

// What a save of the sample with the child's two edits writes.
QByteArray savedWithChildEdits()
{
    TempRom rom;
    TestDoc t;
    EXPECT_TRUE(t.doc.open(rom.path()));
    flipItemNameBits(t.doc, 3, 0, 0x01);
    flipItemNameBits(t.doc, 5, 1, 0x02);
    EXPECT_TRUE(t.doc.save(rom.path()));
    return rom.read();
}

}  // namespace

TEST(Recovery, AKilledTesselsEditsAreOfferedAtTheNextStartAndRecoverAsSaveWouldWrite)
{
    TempRom rom;
    QTemporaryDir home;
    // The child's settings ask for a copy every second; its data folder is the test's.
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("config/Ombrel"))));
    writeFileBytes(home.filePath(QStringLiteral("config/Ombrel/Tessel.conf")), "[Settings]\nRecoveryInterval=1\n");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(TESSEL_RECOVERY_CHILD_PATH), {rom.path()});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray said;
    while (!said.contains("copied") && child.state() == QProcess::Running && child.waitForReadyRead(5000))
        said += child.readAllStandardOutput();
    ASSERT_TRUE(said.contains("copied")) << child.readAllStandardError().toStdString();
    child.kill();  // SIGKILL: nothing of the program runs after it
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(rom.read(), sampleRomBytes());

    const QString folder = home.filePath(QStringLiteral("data/Ombrel/Tessel/recovery"));
    AppUnderTest next({}, {}, folder);
    ASSERT_TRUE(next.started);
    next.recoveryAnswers = {RecoveryChoice::Recover};
    QTRY_COMPARE(next.offeredCopies, QStringList{rom.path()});
    ASSERT_TRUE(next.doc().isLoaded());
    EXPECT_EQ(next.doc().pathName(), rom.path());
    EXPECT_TRUE(next.doc().isModified());
    EXPECT_TRUE(next.frame().windowTitle().startsWith(QStringLiteral("test.smc*")));
    // The items editor that was open comes back at its record.
    const QList<CTabbedFrame*> frames = next.views().frames();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0]->openedAt(), RecordRef(RecordKind::Item, 3));
    EXPECT_EQ(rom.read(), sampleRomBytes());

    ASSERT_TRUE(next.frame().saveDocument());
    EXPECT_EQ(rom.read(), savedWithChildEdits());
    EXPECT_TRUE(recoveryFiles(folder).isEmpty());
    EXPECT_TRUE(next.messages.entries.isEmpty());
}

TEST(Recovery, SaveAndACleanExitRemoveTheCopy)
{
    TempRom rom;
    AppUnderTest app;
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    const QString folder = app.frame().recoveryKeeper().store().folder();
    flipItemNameBits(app.doc(), 3, 0, 0x01);
    QTRY_COMPARE(recoveryFiles(folder).size(), 2);
    ASSERT_TRUE(app.frame().saveDocument());
    EXPECT_TRUE(recoveryFiles(folder).isEmpty());

    flipItemNameBits(app.doc(), 4, 0, 0x01);
    QTRY_COMPARE(recoveryFiles(folder).size(), 2);
    const QByteArray saved = rom.read();
    app.answers = {CMainFrame::SaveChoice::Discard};
    EXPECT_TRUE(app.frame().close());
    EXPECT_TRUE(recoveryFiles(folder).isEmpty());
    EXPECT_EQ(rom.read(), saved);
}

TEST(Recovery, ACopyThatCannotBeWrittenLeavesEditingAndTheRomAlone)
{
    TempRom rom;
    // The folder would lie inside a file.
    const QString blocked = rom.dir() + QStringLiteral("/blocker");
    writeFileBytes(blocked, "x");
    AppUnderTest app({}, {}, blocked + QStringLiteral("/recovery"));
    ASSERT_TRUE(app.frame().openDocument(rom.path()));
    flipItemNameBits(app.doc(), 3, 0, 0x01);
    QTRY_VERIFY(app.frame().statusBar()->currentMessage().startsWith(QStringLiteral("No recovery copy could be written: ")));
    EXPECT_TRUE(app.messages.entries.isEmpty());
    // Editing goes on; the message is not repeated with every change.
    app.frame().statusBar()->clearMessage();
    flipItemNameBits(app.doc(), 4, 0, 0x01);
    app.frame().recoveryKeeper().writeNow();
    app.frame().recoveryKeeper().waitForWrite();
    EXPECT_EQ(app.frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
    EXPECT_EQ(app.doc().undoStack()->count(), 2);
    EXPECT_TRUE(app.doc().isModified());
    EXPECT_EQ(rom.read(), sampleRomBytes());
}

TEST(Recovery, ADamagedCopyIsRefusedAtOpenAndKept)
{
    TempRom rom;
    AppUnderTest app;
    const RecoveryStore& store = app.frame().recoveryKeeper().store();
    RecoveryCopy copy;
    copy.romPath = rom.path();
    QString reason;
    ASSERT_TRUE(store.write(copy, sampleRomBytes(), &reason));
    writeFileBytes(store.imagePath(copy), sampleRomBytes().left(0x100000));
    app.recoveryAnswers = {RecoveryChoice::Recover};
    EXPECT_FALSE(app.frame().openDocument(rom.path()));
    EXPECT_EQ(app.offeredCopies, QStringList{rom.path()});
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_TRUE(app.messages.entries[0].text.contains(QStringLiteral("its image holds 1048576 bytes where")));
    EXPECT_FALSE(app.doc().isLoaded());
    EXPECT_EQ(recoveryFiles(store.folder()).size(), 2);

    // Open the File as Saved opens it and keeps the copy for later.
    app.recoveryAnswers = {RecoveryChoice::OpenSaved};
    EXPECT_TRUE(app.frame().openDocument(rom.path()));
    EXPECT_FALSE(app.doc().isModified());
    EXPECT_EQ(recoveryFiles(store.folder()).size(), 2);
}
