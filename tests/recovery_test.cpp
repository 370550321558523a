// Recovery copies: the store keeps an image and its side file and refuses a
// copy that is not what was written; the document builds the image Save
// would write and opens a recovered image as a modified document of its
// file; tessel-cli lists and exports the copies of the editor's folder.
#include "document/recoverystore.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

const QDateTime kCopied(QDate(2026, 5, 1), QTime(13, 45, 2), Qt::UTC);
const QDateTime kOpened(QDate(2026, 4, 30), QTime(9, 0, 0), Qt::UTC);

RecoveryCopy copyOf(const QString& romPath)
{
    RecoveryCopy copy;
    copy.romPath = romPath;
    copy.romSize = 4096;
    copy.romModified = kOpened;
    copy.copied = kCopied;
    copy.frames = {RecordRef(RecordKind::Item, 3), RecordRef(RecordKind::MapCell, 1, 260)};
    return copy;
}

struct Store {
    QTemporaryDir dir;
    RecoveryStore store{dir.filePath(QStringLiteral("recovery"))};
    QStringList files() const { return QDir(store.folder()).entryList(QDir::Files); }
};

}  // namespace

TEST(RecoveryStore, ReadsBackWhatItWroteWithItsSideFile)
{
    Store s;
    RecoveryCopy copy = copyOf(QStringLiteral("/roms/hack.smc"));
    const QByteArray image = noiseBytes(5000, 7);
    QString reason;
    ASSERT_TRUE(s.store.write(copy, image, &reason)) << reason.toStdString();
    EXPECT_EQ(copy.id, RecoveryStore::idFor(QStringLiteral("/roms/../roms/hack.smc")));
    EXPECT_EQ(copy.id.size(), 16);
    EXPECT_EQ(s.files().size(), 2);

    RecoveryCopy back;
    QByteArray read;
    ASSERT_TRUE(s.store.read(copy.id, &back, &read, &reason)) << reason.toStdString();
    EXPECT_EQ(read, image);
    EXPECT_EQ(back.romPath, QStringLiteral("/roms/hack.smc"));
    EXPECT_EQ(back.romSize, 4096);
    EXPECT_EQ(back.romModified, kOpened);
    EXPECT_EQ(back.copied, kCopied);
    EXPECT_EQ(back.frames, copy.frames);

    const QJsonObject side = QJsonDocument::fromJson(fileBytes(s.store.sidePath(copy.id))).object();
    EXPECT_EQ(side.value(QStringLiteral("rom")).toString(), QStringLiteral("/roms/hack.smc"));
    EXPECT_EQ(side.value(QStringLiteral("copied")).toString(), QStringLiteral("2026-05-01T13:45:02Z"));
    EXPECT_EQ(side.value(QStringLiteral("romModified")).toString(), QStringLiteral("2026-04-30T09:00:00Z"));
    EXPECT_EQ(side.value(QStringLiteral("size")).toInt(), 5000);

    // A later copy of the same ROM replaces it; another ROM's is listed beside it, newest first.
    copy.copied = kCopied.addSecs(60);
    ASSERT_TRUE(s.store.write(copy, noiseBytes(5000, 8), &reason));
    RecoveryCopy other = copyOf(QStringLiteral("/roms/other.smc"));
    ASSERT_TRUE(s.store.write(other, image, &reason));
    EXPECT_EQ(s.files().size(), 4);
    const std::vector<RecoveryCopy> listed = s.store.list();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].romPath, QStringLiteral("/roms/hack.smc"));
    EXPECT_EQ(listed[1].romPath, QStringLiteral("/roms/other.smc"));
    ASSERT_TRUE(s.store.find(QStringLiteral("/roms/other.smc")).has_value());
    EXPECT_FALSE(s.store.find(QStringLiteral("/roms/none.smc")).has_value());

    EXPECT_TRUE(s.store.remove(copy.id));
    EXPECT_EQ(s.files().size(), 2);
}

TEST(RecoveryStore, AWriteCutShortBeforeItsSideFileLeavesTheLastCopyWhole)
{
    Store s;
    RecoveryCopy copy = copyOf(QStringLiteral("/roms/hack.smc"));
    const QByteArray image = noiseBytes(3000, 1);
    QString reason;
    ASSERT_TRUE(s.store.write(copy, image, &reason));
    // The next image is complete, but the side file naming it never came.
    writeFileBytes(s.store.folder() + QLatin1Char('/') + copy.id + QStringLiteral("-0123456789ab.rom"),
                   noiseBytes(3000, 2));
    RecoveryCopy back;
    QByteArray read;
    ASSERT_TRUE(s.store.read(copy.id, &back, &read, &reason)) << reason.toStdString();
    EXPECT_EQ(read, image);
}

namespace {

struct Damage {
    const char* name;
    std::function<void(const RecoveryStore&, const RecoveryCopy&)> apply;
    const char* reason;
};

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

class DamagedCopy : public testing::TestWithParam<Damage> {};

}  // namespace

TEST_P(DamagedCopy, IsRefusedWithTheReasonAndKept)
{
    Store s;
    RecoveryCopy copy = copyOf(QStringLiteral("/roms/hack.smc"));
    QString reason;
    ASSERT_TRUE(s.store.write(copy, noiseBytes(4096, 3), &reason));
    GetParam().apply(s.store, copy);
    const QStringList before = s.files();

    RecoveryCopy back;
    QByteArray image;
    EXPECT_FALSE(s.store.read(copy.id, &back, &image, &reason));
    EXPECT_TRUE(reason.contains(QLatin1String(GetParam().reason))) << reason.toStdString();
    EXPECT_TRUE(image.isEmpty());
    EXPECT_EQ(s.files(), before);
}

INSTANTIATE_TEST_SUITE_P(
    RecoveryStore, DamagedCopy,
    testing::Values(
        Damage{"Truncated",
               [](const RecoveryStore& store, const RecoveryCopy& copy) {
                   writeFileBytes(store.imagePath(copy), noiseBytes(4096, 3).left(1000));
               },
               "its image holds 1000 bytes where 4096 were written"},
        Damage{"OneByteChanged",
               [](const RecoveryStore& store, const RecoveryCopy& copy) {
                   QByteArray bytes = noiseBytes(4096, 3);
                   bytes[2000] = char(bytes[2000] ^ 0x10);
                   writeFileBytes(store.imagePath(copy), bytes);
               },
               "its image differs from the one written"},
        Damage{"ImageGone",
               [](const RecoveryStore& store, const RecoveryCopy& copy) { QFile::remove(store.imagePath(copy)); },
               "its image cannot be read"},
        Damage{"SideFileCut",
               [](const RecoveryStore& store, const RecoveryCopy& copy) {
                   writeFileBytes(store.sidePath(copy.id), RecoveryStore::sideText(copy).left(40));
               },
               "its side file is not JSON"}),
    [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST(RecoveryStore, CopiesCheckedBySha256StillRead)
{
    // Earlier versions named and checked the image by its SHA-256.
    Store s;
    RecoveryCopy copy = copyOf(QStringLiteral("/roms/old.smc"));
    const QByteArray bytes = noiseBytes(4096, 5);
    QString reason;
    ASSERT_TRUE(s.store.write(copy, bytes, &reason));
    QFile::remove(s.store.imagePath(copy));
    copy.imageCrc32.clear();
    copy.imageSha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    writeFileBytes(s.store.imagePath(copy), bytes);
    writeFileBytes(s.store.sidePath(copy.id), RecoveryStore::sideText(copy));

    RecoveryCopy back;
    QByteArray image;
    ASSERT_TRUE(s.store.read(copy.id, &back, &image, &reason)) << reason.toStdString();
    EXPECT_EQ(image, bytes);
    QByteArray changed = bytes;
    changed[10] = char(changed[10] ^ 1);
    writeFileBytes(s.store.imagePath(copy), changed);
    EXPECT_FALSE(s.store.read(copy.id, &back, &image, &reason));
    EXPECT_TRUE(reason.contains(QLatin1String("its image differs from the one written")));
}

TEST(RecoveryStore, TellsWhetherTheRomWasWrittenSinceItWasOpened)
{
    TempRom rom;
    const QFileInfo file(rom.path());
    RecoveryCopy copy = copyOf(rom.path());
    copy.romSize = file.size();
    copy.romModified = file.lastModified();
    EXPECT_FALSE(romChangedSinceCopy(copy));
    copy.romModified = file.lastModified().addSecs(-5);
    EXPECT_TRUE(romChangedSinceCopy(copy));
    copy.romModified = file.lastModified();
    copy.romSize = file.size() - 1;
    EXPECT_TRUE(romChangedSinceCopy(copy));
    QFile::remove(rom.path());
    copy.romSize = file.size();
    EXPECT_TRUE(romChangedSinceCopy(copy));
}

TEST(RecoveryImage, IsWhatSaveWritesAndWritesNothing)
{
    TempRom rom;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    flipItemNameBits(t.doc, 3, 0, 0x01);
    flipItemNameBits(t.doc, 40, 2, 0x04);
    QByteArray image;
    QString reason;
    ASSERT_TRUE(t.doc.encodeSaveImage(&image, &reason)) << reason.toStdString();
    EXPECT_EQ(rom.read(), sampleRomBytes());
    EXPECT_TRUE(t.doc.isModified());
    ASSERT_TRUE(t.doc.save(rom.path()));
    EXPECT_EQ(rom.read(), image);
}

TEST(RecoveryImage, OpensModifiedAndSavesTheRecoveredBytesToItsFile)
{
    // The copy holds edits the file never got.
    TempRom rom;
    QByteArray recovered;
    {
        TestDoc t;
        ASSERT_TRUE(t.doc.open(rom.path()));
        flipItemNameBits(t.doc, 3, 0, 0x01);
        QString reason;
        ASSERT_TRUE(t.doc.encodeSaveImage(&recovered, &reason));
    }
    TestDoc t;
    ASSERT_TRUE(t.doc.openRecovered(rom.path(), recovered));
    EXPECT_TRUE(t.doc.isModified());
    EXPECT_EQ(t.doc.pathName(), rom.path());
    EXPECT_EQ(t.doc.openedBytes(), sampleRomBytes());
    EXPECT_EQ(rom.read(), sampleRomBytes());

    // An edit after the recovery goes on top; Save writes both.
    flipItemNameBits(t.doc, 5, 1, 0x02);
    TestDoc expected;
    TempRom other;
    ASSERT_TRUE(expected.doc.open(other.path()));
    flipItemNameBits(expected.doc, 3, 0, 0x01);
    flipItemNameBits(expected.doc, 5, 1, 0x02);
    ASSERT_TRUE(expected.doc.save(other.path()));
    ASSERT_TRUE(t.doc.save(rom.path()));
    EXPECT_FALSE(t.doc.isModified());
    EXPECT_EQ(rom.read(), other.read());
    EXPECT_TRUE(t.messages.entries.isEmpty());
}

TEST(RecoveryImage, AnImageThatIsNoRomOfTheGameIsRefusedAndTheDocumentStays)
{
    TempRom rom;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    EXPECT_FALSE(t.doc.openRecovered(rom.path(), noiseBytes(0x300000, 4)));
    EXPECT_TRUE(t.doc.isLoaded());
    EXPECT_FALSE(t.doc.isModified());
    EXPECT_EQ(t.messages.entries.size(), 1);
}

namespace {

// tessel-cli with its data folder under a temporary one.
struct CliDataFolder {
    CliDataFolder() { qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit()); }
    ~CliDataFolder() { qunsetenv("XDG_DATA_HOME"); }
    QTemporaryDir dir;
    RecoveryStore store{dir.filePath(QStringLiteral("Ombrel/Tessel/recovery"))};
};

}  // namespace

TEST(CliRecovery, ListsAndExportsTheEditorsCopies)
{
    CliDataFolder data;
    RecoveryCopy copy = copyOf(QStringLiteral("/roms/hack.smc"));
    QString reason;
    ASSERT_TRUE(data.store.write(copy, noiseBytes(2048, 5), &reason));

    const ToolRun json = runCli({QStringLiteral("recovery"), QStringLiteral("list"), QStringLiteral("--json")});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonArray copies = QJsonDocument::fromJson(json.out.toUtf8()).object().value(QStringLiteral("copies")).toArray();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(copies[0].toObject(), (QJsonObject{{QStringLiteral("id"), copy.id},
                                                 {QStringLiteral("rom"), QStringLiteral("/roms/hack.smc")},
                                                 {QStringLiteral("copied"), QStringLiteral("2026-05-01T13:45:02Z")},
                                                 {QStringLiteral("romModified"), QStringLiteral("2026-04-30T09:00:00Z")}}));
    const ToolRun text = runCli({QStringLiteral("recovery"), QStringLiteral("list")});
    EXPECT_EQ(text.out, copy.id + QStringLiteral("  2026-05-01T13:45:02Z  /roms/hack.smc\n"));

    const QString out = data.dir.filePath(QStringLiteral("out.smc"));
    const ToolRun exported = runCli({QStringLiteral("recovery"), QStringLiteral("export"), copy.id, out});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(fileBytes(out), noiseBytes(2048, 5));

    // A damaged copy is refused and nothing is written; an unknown id is named.
    writeFileBytes(data.store.imagePath(copy), noiseBytes(100, 5));
    const QString second = data.dir.filePath(QStringLiteral("second.smc"));
    const ToolRun damaged = runCli({QStringLiteral("recovery"), QStringLiteral("export"), copy.id, second});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.err.contains(QLatin1String("its image holds 100 bytes where 2048 were written")));
    EXPECT_FALSE(QFileInfo::exists(second));
    const ToolRun unknown =
        runCli({QStringLiteral("recovery"), QStringLiteral("export"), QStringLiteral("../x"), second});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(runCli({QStringLiteral("recovery"), QStringLiteral("export"), copy.id}).exitCode, 2);
}
