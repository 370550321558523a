#include "rom/copierheader.h"
#include "rom/romchecksum.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// The sample and a copy with a few bytes changed, in one folder.
struct PatchFolder {
    PatchFolder()
    {
        modified = sampleRomBytes();
        modified.replace(0x20000, 4, "EDIT");
        writeFileBytes(path("modified.smc"), modified);
    }
    QString path(const char* name) const { return QDir(original.dir()).filePath(QString::fromLatin1(name)); }
    TempRom original{sampleRomBytes(), QStringLiteral("original.smc")};
    QByteArray modified;
};

}  // namespace

TEST(TesselCliPatch, CreateAndApplyInBothFormats)
{
    PatchFolder f;
    for (const char* patch : {"edit.ips", "edit.BPS"}) {
        ToolRun run = runCli({QStringLiteral("patch-create"), f.original.path(), f.path("modified.smc"), f.path(patch)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_LT(fileBytes(f.path(patch)).size(), 64) << patch;
        run = runCli({QStringLiteral("patch-apply"), f.original.path(), f.path(patch), f.path("out.smc")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(fileBytes(f.path("out.smc")), f.modified) << patch;
        QFile::remove(f.path("out.smc"));
    }
}

TEST(TesselCliPatch, RefusalsExitWithOneAndWriteNothing)
{
    PatchFolder f;
    ASSERT_EQ(runCli({QStringLiteral("patch-create"), f.original.path(), f.path("modified.smc"), f.path("p.bps")})
                  .exitCode,
              0);
    const QByteArray patch = fileBytes(f.path("p.bps"));
    writeFileBytes(f.path("truncated.bps"), patch.left(patch.size() - 3));

    const struct {
        QString rom;
        QString patch;
        QString out;
        const char* message;
    } refusals[] = {
        {f.original.path(), f.path("truncated.bps"), f.path("out.smc"), "truncated"},
        {f.path("modified.smc"), f.path("p.bps"), f.path("out.smc"), "made for a different file"},
        {f.original.path(), f.path("p.bps"), f.original.path(), "must be a new file"},
        {f.original.path(), f.path("missing.bps"), f.path("out.smc"), "Could not read"},
    };
    for (const auto& r : refusals) {
        const ToolRun run = runCli({QStringLiteral("patch-apply"), r.rom, r.patch, r.out});
        EXPECT_EQ(run.exitCode, 1) << r.message;
        EXPECT_TRUE(run.err.contains(QLatin1String(r.message))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("Nothing was written."))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(f.path("out.smc")));
    }
    EXPECT_EQ(f.original.read(), sampleRomBytes());

    ToolRun run = runCli({QStringLiteral("patch-create"), f.original.path(), f.path("modified.smc"), f.path("p.ups")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String(".ips or .bps")));
    run = runCli({QStringLiteral("patch-create"), f.original.path(), f.original.path(), f.path("same.ips")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(f.path("same.ips")));
    run = runCli({QStringLiteral("patch-create"), f.original.path(), f.path("modified.smc"), f.original.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("a file of its own")));
    EXPECT_EQ(f.original.read(), sampleRomBytes());
    EXPECT_EQ(runCli({QStringLiteral("patch-apply"), f.original.path()}).exitCode, 2);
}

TEST(TesselCliPatch, HeadersComeOffAndGoBackOn)
{
    TempRom rom;
    const QString image = rom.dir() + QStringLiteral("/image.sfc");
    const QString again = rom.dir() + QStringLiteral("/again.smc");
    ASSERT_EQ(runCli({QStringLiteral("strip-header"), rom.path(), image}).exitCode, 0);
    EXPECT_EQ(fileBytes(image), sampleRomBytes().mid(rom::kHeaderSize));
    ASSERT_EQ(runCli({QStringLiteral("add-header"), image, again}).exitCode, 0);
    EXPECT_EQ(fileBytes(again), rom::withCopierHeader(fileBytes(image)));
    ASSERT_EQ(runCli({QStringLiteral("strip-header"), again, rom.dir() + QStringLiteral("/third.sfc")}).exitCode, 0);
    EXPECT_EQ(fileBytes(rom.dir() + QStringLiteral("/third.sfc")), fileBytes(image));

    const QString refused = rom.dir() + QStringLiteral("/refused.smc");
    ToolRun run = runCli({QStringLiteral("strip-header"), image, refused});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("has no copier header")));
    run = runCli({QStringLiteral("add-header"), rom.path(), refused});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("already has a copier header")));
    EXPECT_EQ(runCli({QStringLiteral("add-header"), image, image}).exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(refused));
    // Nor through a symbolic link to it.
    const QString link = rom.dir() + QStringLiteral("/link.smc");
    ASSERT_TRUE(QFile::link(image, link));
    run = runCli({QStringLiteral("add-header"), image, link});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("must be a new file"))) << run.err.toStdString();
    EXPECT_EQ(fileBytes(image), sampleRomBytes().mid(rom::kHeaderSize));
    ASSERT_TRUE(QFile::link(rom.path(), rom.dir() + QStringLiteral("/link.sfc")));
    EXPECT_EQ(runCli({QStringLiteral("strip-header"), rom.dir() + QStringLiteral("/link.sfc"), rom.path()}).exitCode, 1);
    EXPECT_EQ(rom.read(), sampleRomBytes());
}

TEST(TesselCliPatch, InfoSaysWhetherTheChecksumMatches)
{
    // The sample carries a valid checksum; a plain save moves the dialogue
    // into the relocated layout and leaves the stored checksum behind.
    TempRom rom;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(rom.path()));
    ASSERT_TRUE(t.doc.save(rom.path()));
    ToolRun run = runCli({QStringLiteral("info"), rom.path()});
    EXPECT_TRUE(run.out.contains(QLatin1String("Checksum: does not match"))) << run.out.toStdString();

    t.doc.setSaveOptions({.fixChecksum = true});
    ASSERT_TRUE(t.doc.save(rom.path()));
    const quint16 sum = RomChecksum::compute(rom.read().mid(rom::kHeaderSize));
    run = runCli({QStringLiteral("info"), rom.path()});
    const QString expected =
        QStringLiteral("Checksum: $%1, matches").arg(QString::number(sum, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    EXPECT_TRUE(run.out.contains(expected))
        << run.out.toStdString();
}
