#include "document/editcommands.h"
#include "document/rombackups.h"
#include "tests/testsupport.h"
#include "document/parts/itemspart.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

const QDateTime kNoon(QDate(2024, 5, 1), QTime(12, 0, 0));

QStringList fileNames(const QList<RomBackups::Entry>& entries)
{
    QStringList names;
    for (const RomBackups::Entry& entry : entries)
        names.append(QFileInfo(entry.path).fileName());
    return names;
}

// A document saving with backups kept, and an edit before every save.
struct BackedUpDoc {
    explicit BackedUpDoc(int count)
    {
        EXPECT_TRUE(t.doc.open(rom.path()));
        t.doc.setSaveOptions({.keepBackups = true, .backupCount = count});
    }
    bool editAndSave()
    {
        const quint8 next = quint8(t.doc.part<ItemsPart>().table().items[0].name[1] + 1);
        t.doc.undoStack()->push(makeSetByte(t.doc, t.doc.part<ItemsPart>().bytes(RecordPart::Name, 0), 1, next, QStringLiteral("Change Name")));
        return t.doc.save(rom.path());
    }
    TempRom rom;
    TestDoc t;
};

}  // namespace

TEST(RomBackups, EachSaveKeepsTheFileAsItWas)
{
    BackedUpDoc d(5);
    const QByteArray before = d.rom.read();
    ASSERT_TRUE(d.editAndSave());
    const QList<RomBackups::Entry> backups = RomBackups(d.rom.path()).list();
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(QFileInfo(backups[0].path).dir().dirName(), QStringLiteral("test.smc-backups"));
    EXPECT_TRUE(QFileInfo(backups[0].path).fileName().contains(QRegularExpression(
        QStringLiteral("^test\\.smc-0001-\\d{8}-\\d{6}\\.smc$"))));
    EXPECT_EQ(fileBytes(backups[0].path), before);
    EXPECT_EQ(backups[0].size, before.size());
    EXPECT_NE(d.rom.read(), before);
}

TEST(RomBackups, TheOldestBeyondTheCountAreRemoved)
{
    BackedUpDoc d(3);
    QList<QByteArray> states;
    for (int save = 0; save < 5; ++save) {
        states.append(d.rom.read());
        ASSERT_TRUE(d.editAndSave());
    }
    // Saves within one second get numbered names; the newest three remain.
    const QList<RomBackups::Entry> backups = RomBackups(d.rom.path()).list();
    ASSERT_EQ(backups.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(fileBytes(backups[i].path), states[4 - i]) << i;
}

TEST(RomBackups, OrderIsTheOrderMadeEvenWhenTheClockGoesBack)
{
    TempRom rom;
    const RomBackups backups(rom.path());
    QString made;
    QString reason;
    // Each copy of a different file; the clock is set back a day before the last.
    const QDateTime times[] = {kNoon, kNoon, kNoon.addDays(-1)};
    for (int i = 0; i < 3; ++i) {
        rom.write(noiseBytes(1024, i + 1));
        ASSERT_TRUE(backups.add(times[i], &made, &reason)) << reason.toStdString();
    }
    QFile other(QDir(backups.folder()).filePath(QStringLiteral("test.smc-notes.smc")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    EXPECT_EQ(fileNames(backups.list()),
              (QStringList{"test.smc-0003-20240430-120000.smc", "test.smc-0002-20240501-120000.smc",
                           "test.smc-0001-20240501-120000.smc"}));
    backups.prune(1);
    ASSERT_EQ(backups.list().size(), 1);
    EXPECT_EQ(fileBytes(backups.list()[0].path), noiseBytes(1024, 3));
    EXPECT_TRUE(other.exists());
}

TEST(RomBackups, FilesOfOneNameWithOtherExtensionsKeepTheirOwn)
{
    TempRom sfc(noiseBytes(2048, 1), QStringLiteral("a.sfc"));
    const QString smc = sfc.dir() + QStringLiteral("/a.smc");
    writeFileBytes(smc, noiseBytes(2048, 2));
    QString made;
    QString reason;
    for (const QString& path : {sfc.path(), smc, sfc.path()}) {
        writeFileBytes(path, fileBytes(path) + "+");
        ASSERT_TRUE(RomBackups(path).add(kNoon, &made, &reason)) << reason.toStdString();
        RomBackups(path).prune(1);
    }
    const QList<RomBackups::Entry> ofSmc = RomBackups(smc).list();
    ASSERT_EQ(ofSmc.size(), 1);
    EXPECT_EQ(QFileInfo(ofSmc[0].path).dir().dirName(), QStringLiteral("a.smc-backups"));
    EXPECT_EQ(fileBytes(ofSmc[0].path), noiseBytes(2048, 2) + "+");
    const QList<RomBackups::Entry> ofSfc = RomBackups(sfc.path()).list();
    ASSERT_EQ(ofSfc.size(), 1);
    EXPECT_EQ(QFileInfo(ofSfc[0].path).fileName(), QStringLiteral("a.sfc-0002-20240501-120000.sfc"));
    EXPECT_EQ(fileBytes(ofSfc[0].path), noiseBytes(2048, 1) + "++");
}

TEST(RomBackups, SavingAnUnchangedFileAgainKeepsTheOriginal)
{
    BackedUpDoc d(2);
    ASSERT_TRUE(d.editAndSave());
    const QByteArray saved = d.rom.read();
    for (int save = 0; save < 3; ++save)
        ASSERT_TRUE(d.t.doc.save(d.rom.path()));
    const QList<RomBackups::Entry> backups = RomBackups(d.rom.path()).list();
    ASSERT_EQ(backups.size(), 2);
    EXPECT_EQ(fileBytes(backups[0].path), saved);
    EXPECT_EQ(fileBytes(backups[1].path), sampleRomBytes());
}

TEST(RomBackups, BackupsOfEarlierVersionsAreLeftAlone)
{
    BackedUpDoc d(1);
    const QString older = d.rom.dir() + QStringLiteral("/test-backups");
    ASSERT_TRUE(QDir().mkpath(older));
    writeFileBytes(older + QStringLiteral("/test-20240501-120000.smc"), QByteArray("old"));
    EXPECT_EQ(RomBackups(d.rom.path()).olderBackupsFolder(), older);
    for (int save = 0; save < 3; ++save)
        ASSERT_TRUE(d.editAndSave());
    EXPECT_EQ(fileBytes(older + QStringLiteral("/test-20240501-120000.smc")), QByteArray("old"));
    EXPECT_EQ(RomBackups(d.rom.path()).list().size(), 1);

    TempRom plain;
    EXPECT_EQ(RomBackups(plain.path()).olderBackupsFolder(), QString());
}

TEST(RomBackups, ABackupThatCannotBeMadeRefusesTheSave)
{
    BackedUpDoc d(5);
    // A file where the folder should go.
    QFile blocker(RomBackups(d.rom.path()).folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(d.editAndSave());
    EXPECT_EQ(d.rom.read(), sampleRomBytes());
    ASSERT_EQ(d.t.messages.entries.size(), 1);
    EXPECT_TRUE(d.t.messages.entries[0].text.startsWith(QStringLiteral("Could not make a backup of ")));
    EXPECT_TRUE(d.t.doc.isModified());
}

TEST(RomBackups, NoneAreMadeWhenTurnedOff)
{
    TempRom rom;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    ASSERT_TRUE(t.doc.save(rom.path()));
    EXPECT_FALSE(QFileInfo::exists(RomBackups(rom.path()).folder()));
}

TEST(RomBackups, RestoreReplacesTheFileWithTheCopy)
{
    BackedUpDoc d(5);
    ASSERT_TRUE(d.editAndSave());
    ASSERT_TRUE(d.editAndSave());
    const RomBackups backups(d.rom.path());
    const QList<RomBackups::Entry> list = backups.list();
    ASSERT_EQ(list.size(), 2);
    QString reason;
    ASSERT_TRUE(backups.restore(list.last(), &reason)) << reason.toStdString();
    EXPECT_EQ(d.rom.read(), sampleRomBytes());

    QFile::remove(d.rom.path());
    EXPECT_FALSE(backups.restore(list.last(), &reason));
    EXPECT_FALSE(QFileInfo::exists(d.rom.path()));
}

// A file one byte longer than a 4 MB image behind its header is no ROM: each
// step refuses it, and neither it nor the ROM file changes.
enum class FileStep { Open, Save, Backup, Restore };

class OversizedFile : public testing::TestWithParam<FileStep> {};

TEST_P(OversizedFile, IsRefusedAndLeftAsItIs)
{
    const QByteArray big = sampleRomBytes() + noiseBytes(0x100001, 7);
    ASSERT_EQ(big.size(), 0x400201);
    TempRom rom;
    TestDoc t;
    const RomBackups backups(rom.path());
    QString made;
    QString reason;
    switch (GetParam()) {
    case FileStep::Open:
        rom.write(big);
        EXPECT_FALSE(t.doc.open(rom.path()));
        EXPECT_FALSE(t.doc.isLoaded());
        EXPECT_EQ(t.messages.entries.size(), 1);
        EXPECT_EQ(rom.read(), big);
        break;
    case FileStep::Save:
        // Another program grew the file after it was opened.
        ASSERT_TRUE(t.doc.open(rom.path()));
        rom.write(big);
        flipItemNameBits(t.doc, 0, 0);
        EXPECT_FALSE(t.doc.save(rom.path()));
        EXPECT_EQ(t.messages.entries.size(), 1);
        EXPECT_TRUE(t.doc.isModified());
        EXPECT_EQ(rom.read(), big);
        break;
    case FileStep::Backup:
        rom.write(big);
        EXPECT_FALSE(backups.add(kNoon, &made, &reason));
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_TRUE(backups.list().isEmpty());
        EXPECT_EQ(rom.read(), big);
        break;
    case FileStep::Restore: {
        ASSERT_TRUE(QDir().mkpath(backups.folder()));
        const QString copy = QDir(backups.folder()).filePath(QStringLiteral("test.smc-0001-20240501-120000.smc"));
        writeFileBytes(copy, big);
        ASSERT_EQ(backups.list().size(), 1);
        EXPECT_FALSE(backups.restore(backups.list().first(), &reason));
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_EQ(rom.read(), sampleRomBytes());
        EXPECT_EQ(fileBytes(copy), big);
        break;
    }
    }
}

std::string stepName(const testing::TestParamInfo<FileStep>& info)
{
    static const char* const kNames[] = {"Open", "Save", "Backup", "Restore"};
    return kNames[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(RomBackups, OversizedFile,
                         testing::Values(FileStep::Open, FileStep::Save, FileStep::Backup, FileStep::Restore),
                         stepName);
