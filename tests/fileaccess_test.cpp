#include "platform/fileaccess.h"
#include "tests/fifofeed.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace tessel;

namespace {

constexpr qint64 kLimit = 100000;

// A source of input and what a bounded read of it at kLimit gives.
struct ReadCase {
    const char* name;
    enum Kind { RegularFile, DevZero, Fifo, Folder } kind;
    qint64 bytes;         // the file's or the feed's length
    bool ok;
    bool tooLarge;
    qint64 fileLength;    // as reported
    const char* reason;   // a part of the reason, when refused
};

class BoundedRead : public testing::TestWithParam<ReadCase> {};

TEST_P(BoundedRead, ReadsWholeFilesUpToTheLimitAndRefusesMore)
{
    const ReadCase& c = GetParam();
    TempRom scratch(QByteArray(c.kind == ReadCase::RegularFile ? c.bytes : 0, 'x'));
    std::unique_ptr<FifoFeed> feed;
    QString path = scratch.path();
    if (c.kind == ReadCase::DevZero) {
        path = QStringLiteral("/dev/zero");
        if (!QFileInfo::exists(path))
            GTEST_SKIP() << "No /dev/zero";
    } else if (c.kind == ReadCase::Fifo) {
        feed = std::make_unique<FifoFeed>(zeroBytesCommand(c.bytes));
        if (feed->path().isEmpty())
            GTEST_SKIP() << "No FIFOs here";
        path = feed->path();
    } else if (c.kind == ReadCase::Folder) {
        path = scratch.dir();
    }
    const platform::FileReadResult read = platform::readFileBounded(path, kLimit);
    EXPECT_EQ(read.ok, c.ok) << read.reason.toStdString();
    EXPECT_EQ(read.tooLarge, c.tooLarge);
    EXPECT_EQ(read.fileLength, c.fileLength);
    EXPECT_EQ(read.data.size(), c.ok ? c.bytes : 0);
    EXPECT_TRUE(read.reason.contains(QLatin1String(c.reason))) << read.reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    FileAccess, BoundedRead,
    testing::Values(
        ReadCase{"FileAtTheLimit", ReadCase::RegularFile, 100000, true, false, 100000, ""},
        ReadCase{"FileOneByteOver", ReadCase::RegularFile, 100001, false, true, 100001, "bytes long, more than the"},
        ReadCase{"EmptyFile", ReadCase::RegularFile, 0, true, false, 0, ""},
        ReadCase{"EndlessDevice", ReadCase::DevZero, 0, false, true, -1, "holds more than the"},
        ReadCase{"FifoAtTheLimit", ReadCase::Fifo, 100000, true, false, 100000, ""},
        ReadCase{"FifoFarOver", ReadCase::Fifo, 50000000, false, true, -1, "holds more than the"},
        ReadCase{"Folder", ReadCase::Folder, 0, false, false, -1, "It is a folder."}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// Where a write goes and what it must report; nothing may be left behind.
struct WriteCase {
    const char* name;
    enum Kind { FullDevice, MissingFolder, FileAsFolder, ReadOnlyFile, UnwritableFolder } kind;
    const char* reason;
};

class FailedWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(FailedWrite, NamesTheReasonAndLeavesNothingBehind)
{
    const WriteCase& c = GetParam();
    TempRom scratch(QByteArray("kept"));
    const QDir dir(scratch.dir());
    QString target = dir.filePath(QStringLiteral("out.png"));
    switch (c.kind) {
    case WriteCase::FullDevice:
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            GTEST_SKIP() << "No /dev/full";
        // Through a link with an ordinary name, as a user's output file would have.
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), target));
        break;
    case WriteCase::MissingFolder: target = dir.filePath(QStringLiteral("missing/out.png")); break;
    case WriteCase::FileAsFolder: target = scratch.path() + QStringLiteral("/out.png"); break;
    case WriteCase::ReadOnlyFile:
        target = scratch.path();
        ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner));
        break;
    case WriteCase::UnwritableFolder:
        if (::geteuid() == 0)
            GTEST_SKIP() << "Running as root, which writes into any folder";
        ASSERT_TRUE(QFile::setPermissions(scratch.dir(), QFile::ReadOwner | QFile::ExeOwner));
        break;
    }
    QString reason;
    EXPECT_FALSE(platform::replaceFileAtomically(target, QByteArray(200000, 'n'), &reason));
    EXPECT_TRUE(reason.contains(QLatin1String(c.reason))) << reason.toStdString();
    QFile::setPermissions(scratch.dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(scratch.path(), QFile::ReadOwner | QFile::WriteOwner);
    const QStringList left = dir.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, c.kind == WriteCase::FullDevice ? QStringList({"out.png", "test.smc"}) : QStringList{"test.smc"});
    EXPECT_EQ(scratch.read(), QByteArray("kept"));
}

INSTANTIATE_TEST_SUITE_P(FileAccess, FailedWrite,
                         testing::Values(WriteCase{"FullDisk", WriteCase::FullDevice, "No space left on device"},
                                         WriteCase{"MissingFolder", WriteCase::MissingFolder,
                                                   "No such file or directory"},
                                         WriteCase{"FileAsFolder", WriteCase::FileAsFolder, "Not a directory"},
                                         WriteCase{"ReadOnlyFile", WriteCase::ReadOnlyFile, "read-only"},
                                         WriteCase{"UnwritableFolder", WriteCase::UnwritableFolder,
                                                   "Permission denied"}),
                         [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

}  // namespace

TEST(FileAccess, AtomicWritesCreateOrdinaryFilesAndKeepAReplacedFilesPermissions)
{
    TempRom scratch(QByteArray("old"));
    const QString fresh = scratch.dir() + QStringLiteral("/new.bin");
    QString reason;
    ASSERT_TRUE(platform::replaceFileAtomically(fresh, QByteArray("new"), &reason)) << reason.toStdString();
    EXPECT_EQ(fileBytes(fresh), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(fresh).permissions().testFlags(QFile::ReadOwner | QFile::WriteOwner));

    const QFile::Permissions kept = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(scratch.path(), kept));
    ASSERT_TRUE(platform::replaceFileAtomically(scratch.path(), QByteArray("replaced"), &reason));
    EXPECT_EQ(scratch.read(), QByteArray("replaced"));
    const QFile::Permissions modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                                        QFile::ExeOther;
    EXPECT_EQ(QFileInfo(scratch.path()).permissions() & modeBits, kept);
}
