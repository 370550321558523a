// The File and Options menu commands around patches, backups, headerless
// images and the checksum, driven as a user would.
#include "compare/views/cchangeswindow.h"
#include "document/rombackups.h"
#include "patch/patcher.h"
#include "rom/copierheader.h"
#include "rom/romchecksum.h"
#include "rom/romidentity.h"
#include "shell/capplypatchdialog.h"
#include "shell/ccreatepatchdialog.h"
#include "shell/crestorebackupdialog.h"
#include "shell/headerlessoffer.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/cfilefield.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

QAction* action(CMainFrame& frame, const char* name)
{
    return frame.findChild<QAction*>(QString::fromLatin1(name));
}

void typeInto(QDialog& dialog, const char* field, const QString& text)
{
    auto* edit = dialog.findChild<CFileField*>(QString::fromLatin1(field))->edit();
    edit->clear();
    QTest::keyClicks(edit, text);
}

QPushButton* okButton(QDialog& dialog)
{
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

// Answers the "Changes" window a patch command shows before it writes.
void onChangesWindow(bool accept, std::function<void(CChangesWindow&)> check = {})
{
    onNextDialog([accept, check](QDialog& dialog) {
        auto* window = qobject_cast<CChangesWindow*>(&dialog);
        ASSERT_NE(window, nullptr) << "no Changes window";
        if (check)
            check(*window);
        QDialogButtonBox* box = window->buttons();
        for (QAbstractButton* button : box->buttons())
            if (box->buttonRole(button) == (accept ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole))
                QTest::mouseClick(button, Qt::LeftButton);
    });
}

QString problemText(QDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("problem"))->text();
}

// The sample ROM open, with the first item renamed and the change unsaved.
class PatchMenu : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.frame().openDocument(rom.path()));
        flipItemNameBits(app.doc(), 0, 1);
    }
    QString path(const char* name) const { return QDir(rom.dir()).filePath(QString::fromLatin1(name)); }

    TempRom rom;
    AppUnderTest app;
};

}  // namespace

TEST_F(PatchMenu, CreatePatchSavesFirstWhenAskedAndPatchesOpenedToSaved)
{
    writeFileBytes(path("hack.ips"), QByteArray("an older patch"));
    app.messages.answers = {true, true};
    onNextDialog([&](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("openedOriginal"))->isChecked());
        typeInto(dialog, "patchPath", path("hack.txt"));
        EXPECT_FALSE(okButton(dialog)->isEnabled());
        EXPECT_EQ(problemText(dialog), QStringLiteral("The patch file's name must end in .ips or .bps."));
        typeInto(dialog, "patchPath", path("hack.ips"));
        // What goes into the patch is listed before it is written.
        // (The first save also marks the file in the editor flags.)
        onChangesWindow(true, [](CChangesWindow& window) {
            ASSERT_EQ(window.changes().size(), 2u);
            EXPECT_EQ(window.changes()[0].subject, RecordRef(RecordKind::Item, 0));
            EXPECT_EQ(window.changes()[1].region, QStringLiteral("editor flags"));
        });
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    action(app.frame(), "actionPatch")->trigger();

    ASSERT_EQ(app.messages.questions.size(), 2);
    EXPECT_TRUE(app.messages.questions[0].contains(QStringLiteral("Save the changes to test.smc first?")));
    EXPECT_TRUE(app.messages.questions[1].endsWith(QStringLiteral("hack.ips already exists.\nReplace it?")));
    EXPECT_FALSE(app.doc().isModified());
    const QByteArray saved = rom.read();
    ASSERT_NE(saved, sampleRomBytes());
    const patch::PatchResult applied = Patcher::apply(sampleRomBytes(), fileBytes(path("hack.ips")));
    ASSERT_TRUE(applied.ok()) << applied.error.toStdString();
    EXPECT_EQ(applied.data, saved);
    EXPECT_TRUE(app.frame().statusBar()->currentMessage().startsWith(QStringLiteral("Patch written to ")));
}

TEST_F(PatchMenu, CreatePatchFromAnotherOriginalReportsItsProblems)
{
    app.messages.answers = {false};  // keep the change unsaved: the patch is of the saved file
    onNextDialog([&](QDialog& dialog) {
        auto* other = dialog.findChild<QRadioButton*>(QStringLiteral("otherOriginal"));
        QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(6, other->height() / 2));  // on the button itself
        EXPECT_EQ(problemText(dialog), QStringLiteral("Choose the original file."));
        typeInto(dialog, "originalPath", rom.path());
        typeInto(dialog, "patchPath", path("hack.bps"));
        onChangesWindow(true, [](CChangesWindow& window) { EXPECT_TRUE(window.changes().empty()); });
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    action(app.frame(), "actionPatch")->trigger();
    EXPECT_TRUE(app.doc().isModified());
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_TRUE(app.messages.entries[0].text.contains(QStringLiteral("nothing to patch")));
    EXPECT_FALSE(QFileInfo::exists(path("hack.bps")));
}

TEST_F(PatchMenu, ApplyPatchWritesANewFileAndOpensItWhenAsked)
{
    QByteArray modified = sampleRomBytes();
    modified.replace(0x30000, 5, "HELLO");
    writeFileBytes(path("hello.bps"), Patcher::create(Patcher::Format::Bps, sampleRomBytes(), modified).data);

    app.messages.answers = {false, true};  // do not save the edit; then open the result
    app.answers = {CMainFrame::SaveChoice::Discard};
    onNextDialog([&](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<CFileField*>(QStringLiteral("romPath"))->path(), rom.path());
        typeInto(dialog, "patchPath", path("hello.bps"));
        // The output is named after the patch until the user picks a name.
        EXPECT_EQ(dialog.findChild<CFileField*>(QStringLiteral("outputPath"))->path(), path("hello.smc"));
        typeInto(dialog, "outputPath", rom.path());
        EXPECT_FALSE(okButton(dialog)->isEnabled());
        EXPECT_EQ(problemText(dialog), QStringLiteral("The patched file must be a new file, not the open file."));
        typeInto(dialog, "outputPath", path("hello.smc"));
        // The patched result is listed first; Cancel there writes nothing
        // and leaves the dialog open.
        onChangesWindow(false, [](CChangesWindow& window) {
            ASSERT_EQ(window.changes().size(), 1u);
            EXPECT_EQ(window.changes()[0].area, QStringLiteral("bytes"));
            EXPECT_EQ(window.changes()[0].start, 0x30000);
            EXPECT_EQ(window.changes()[0].end, 0x30005);
        });
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(QFileInfo::exists(path("hello.smc")));
        onChangesWindow(true);
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    action(app.frame(), "actionApplyPatch")->trigger();

    EXPECT_EQ(fileBytes(path("hello.smc")), modified);
    EXPECT_EQ(rom.read(), sampleRomBytes());
    ASSERT_EQ(app.messages.questions.size(), 2);
    EXPECT_TRUE(app.messages.questions[1].endsWith(QStringLiteral("Open it now?")));
    EXPECT_EQ(app.doc().pathName(), path("hello.smc"));
}

TEST_F(PatchMenu, ARefusedPatchSaysWhyKeepsTheDialogOpenAndWritesNothing)
{
    QByteArray modified = sampleRomBytes();
    modified.replace(0x30000, 5, "HELLO");
    QByteArray patch = Patcher::create(Patcher::Format::Bps, sampleRomBytes(), modified).data;
    patch.chop(4);
    writeFileBytes(path("cut.bps"), patch);
    writeFileBytes(path("taken.smc"), QByteArray("a file of the user's"));
    onNextDialog([&](QDialog& dialog) {
        typeInto(dialog, "patchPath", path("cut.bps"));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        // Refused: the dialog stays open with the user's choices.
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.findChild<CFileField*>(QStringLiteral("romPath"))->path(), rom.path());
        EXPECT_EQ(dialog.findChild<CFileField*>(QStringLiteral("patchPath"))->path(), path("cut.bps"));
        EXPECT_EQ(dialog.findChild<CFileField*>(QStringLiteral("outputPath"))->path(), path("cut.smc"));
        // So does a No to replacing an existing file.
        typeInto(dialog, "outputPath", path("taken.smc"));
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.findChild<CFileField*>(QStringLiteral("outputPath"))->path(), path("taken.smc"));
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    action(app.frame(), "actionApplyPatch")->trigger();
    EXPECT_EQ(fileBytes(path("taken.smc")), QByteArray("a file of the user's"));
    ASSERT_EQ(app.messages.questions.size(), 2);  // save the edit first? replace taken.smc?
    EXPECT_TRUE(app.messages.questions[1].endsWith(QStringLiteral("taken.smc already exists.\nReplace it?")));
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_TRUE(app.messages.entries[0].text.contains(QStringLiteral("truncated")));
    EXPECT_TRUE(app.messages.entries[0].text.endsWith(QStringLiteral("Nothing was written.")));
    EXPECT_FALSE(QFileInfo::exists(path("cut.smc")));
    EXPECT_EQ(app.doc().pathName(), rom.path());
}

TEST(HeaderlessOpen, OffersAHeaderedCopyAndOpensIt)
{
    TempRom image(rom::withoutCopierHeader(sampleRomBytes()), QStringLiteral("game.sfc"));
    AppUnderTest app;
    app.messages.answers = {true};
    app.files.answers = {QDir(image.dir()).filePath(QStringLiteral("game.smc"))};
    EXPECT_TRUE(app.frame().openDocument(image.path()));

    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_EQ(app.messages.entries[0].text, QString::fromLatin1(rom::kWrongTitleMessage));
    EXPECT_EQ(app.messages.questions, QStringList{QString::fromLatin1(kHeaderlessQuestion)});
    EXPECT_EQ(app.files.suggestions, QStringList{QDir(image.dir()).filePath(QStringLiteral("game.smc"))});
    EXPECT_TRUE(app.doc().isLoaded());
    EXPECT_EQ(app.doc().pathName(), QDir(image.dir()).filePath(QStringLiteral("game.smc")));
    EXPECT_EQ(fileBytes(app.doc().pathName()), rom::withCopierHeader(image.read()));
    EXPECT_EQ(image.read(), rom::withoutCopierHeader(sampleRomBytes()));
}

TEST(HeaderlessOpen, NoOrTheSameFileLeavesEverythingAsItWas)
{
    TempRom image(rom::withoutCopierHeader(sampleRomBytes()), QStringLiteral("game.smc"));
    AppUnderTest app;
    app.messages.answers = {false};
    EXPECT_FALSE(app.frame().openDocument(image.path()));
    EXPECT_TRUE(app.files.captions.isEmpty());

    app.messages.answers = {true};
    app.files.answers = {image.path()};
    EXPECT_FALSE(app.frame().openDocument(image.path()));
    EXPECT_EQ(app.files.suggestions.value(0), QDir(image.dir()).filePath(QStringLiteral("game-header.smc")));
    EXPECT_TRUE(app.messages.entries.last().text.contains(QStringLiteral("must be a new file")));
    EXPECT_FALSE(app.doc().isLoaded());
    EXPECT_EQ(image.read(), rom::withoutCopierHeader(sampleRomBytes()));

    // Nor a symbolic link to it: the copy would be written over the original.
    const QString link = QDir(image.dir()).filePath(QStringLiteral("link.smc"));
    ASSERT_TRUE(QFile::link(image.path(), link));
    app.messages.answers = {true};
    app.files.answers = {link};
    const qsizetype shown = app.messages.entries.size();
    EXPECT_FALSE(app.frame().openDocument(image.path()));
    ASSERT_EQ(app.messages.entries.size(), shown + 2);  // the title, then the refusal
    EXPECT_TRUE(app.messages.entries.last().text.contains(QStringLiteral("must be a new file")));
    EXPECT_FALSE(app.doc().isLoaded());
    EXPECT_EQ(image.read(), rom::withoutCopierHeader(sampleRomBytes()));

    // A file that is not the game at all is only refused.
    TempRom foreign(QByteArray(0x300000, 'x'));
    const qsizetype asked = app.messages.questions.size();
    EXPECT_FALSE(app.frame().openDocument(foreign.path()));
    EXPECT_EQ(app.messages.questions.size(), asked);
}

TEST(OptionsMenu, TogglesAreKeptInTheSettingsAndUsedBySave)
{
    TempRom rom;
    AppUnderTest app({rom.path()});
    QAction* backups = action(app.frame(), "actionKeepBackups");
    QAction* checksum = action(app.frame(), "actionFixChecksum");
    EXPECT_TRUE(backups->isChecked());
    EXPECT_FALSE(checksum->isChecked());
    EXPECT_TRUE(app.doc().saveOptions().keepBackups);
    EXPECT_EQ(app.doc().saveOptions().backupCount, 5);

    checksum->trigger();
    backups->trigger();
    ASSERT_TRUE(app.frame().saveDocument());
    EXPECT_TRUE(RomChecksum::matches(rom.read().mid(rom::kHeaderSize)));
    EXPECT_FALSE(QFileInfo::exists(RomBackups(rom.path()).folder()));

    app.app->exitInstance();
    EXPECT_EQ(app.store.values.value(QStringLiteral("KeepBackups")), QStringLiteral("0"));
    EXPECT_EQ(app.store.values.value(QStringLiteral("FixChecksum")), QStringLiteral("1"));
    EXPECT_EQ(app.store.values.value(QStringLiteral("BackupCount")), QStringLiteral("5"));
}

TEST(OptionsMenu, StoredSettingsAreReadAtStart)
{
    platform::MemorySettingsStore stored;
    stored.values = {{QStringLiteral("KeepBackups"), QStringLiteral("0")},
                     {QStringLiteral("BackupCount"), QStringLiteral("2")},
                     {QStringLiteral("FixChecksum"), QStringLiteral("1")}};
    AppUnderTest app({}, stored);
    EXPECT_FALSE(action(app.frame(), "actionKeepBackups")->isChecked());
    EXPECT_TRUE(action(app.frame(), "actionFixChecksum")->isChecked());
    EXPECT_EQ(app.doc().saveOptions().backupCount, 2);
    EXPECT_TRUE(app.doc().saveOptions().fixChecksum);
}

TEST_F(PatchMenu, RestoreBackupReplacesTheFileAfterAskingAndReopensIt)
{
    ASSERT_TRUE(app.frame().saveDocument());
    const QByteArray afterFirstSave = rom.read();
    flipItemNameBits(app.doc(), 0, 2);
    ASSERT_TRUE(app.frame().saveDocument());
    flipItemNameBits(app.doc(), 0, 3);  // an unsaved change as well

    app.messages.answers = {true};
    onNextDialog([&](QDialog& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("backupList"));
        ASSERT_EQ(list->topLevelItemCount(), 2);
        EXPECT_TRUE(list->topLevelItem(1)->text(1).endsWith(QStringLiteral(" bytes")));
        list->setCurrentItem(list->topLevelItem(1));  // the oldest: the sample as it came
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    });
    action(app.frame(), "actionRestoreBackup")->trigger();

    ASSERT_EQ(app.messages.questions.size(), 1);
    EXPECT_TRUE(app.messages.questions[0].startsWith(QStringLiteral("Replace test.smc with the backup of ")));
    EXPECT_TRUE(app.messages.questions[0].contains(QStringLiteral("Changes not yet saved are lost.")));
    EXPECT_EQ(rom.read(), sampleRomBytes());
    EXPECT_TRUE(app.doc().isLoaded());
    EXPECT_FALSE(app.doc().isModified());
    // The file as it was before the restore is the newest backup now.
    const QList<RomBackups::Entry> backups = RomBackups(rom.path()).list();
    ASSERT_EQ(backups.size(), 3);
    EXPECT_NE(fileBytes(backups[0].path), afterFirstSave);
    EXPECT_EQ(fileBytes(backups[1].path), afterFirstSave);
}

TEST(RestoreBackup, WithoutBackupsSaysWhereTheyWouldBe)
{
    TempRom rom;
    AppUnderTest app({rom.path()});
    action(app.frame(), "actionRestoreBackup")->trigger();
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_TRUE(app.messages.entries[0].text.startsWith(QStringLiteral("There are no backups of test.smc in ")));
    EXPECT_FALSE(app.messages.entries[0].text.contains(QStringLiteral("earlier versions")));

    // The folder earlier versions shared among test.smc, test.sfc, ... is only pointed to.
    const QString older = rom.dir() + QStringLiteral("/test-backups");
    ASSERT_TRUE(QDir().mkpath(older));
    writeFileBytes(older + QStringLiteral("/test-20240501-120000.smc"), sampleRomBytes());
    action(app.frame(), "actionRestoreBackup")->trigger();
    ASSERT_EQ(app.messages.entries.size(), 2);
    EXPECT_TRUE(app.messages.entries[1].text.endsWith(
        QStringLiteral("Backups made by earlier versions of Tessel are in %1; open one with File > Open to look at it.")
            .arg(QDir::toNativeSeparators(older))));
    EXPECT_EQ(rom.read(), sampleRomBytes());
}
