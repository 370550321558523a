// Patches between the sample ROM and copies edited and saved by the
// document, in both formats, and the copier-header conventions.
#include "patch/bpspatch.h"
#include "patch/patcher.h"
#include "rom/copierheader.h"
#include "tests/testsupport.h"
#include "text/menutext.h"
#include "tools/samplerom/samplerandom.h"
#include "worldmap/worldmap.h"
#include "document/parts/itemspart.h"
#include "document/parts/worldmappart.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tessel;

namespace {

using Format = Patcher::Format;

// The resaved sample after an edit and a save.
QByteArray editedAndSaved(const std::function<void(CFF3Doc&)>& edit, const QByteArray& start = resavedSampleRomBytes())
{
    TempRom file(start);
    TestDoc t;
    EXPECT_TRUE(t.doc.open(file.path()));
    edit(t.doc);
    EXPECT_TRUE(t.doc.save(file.path())) << t.messages.entries.value(0).text.toStdString();
    return file.read();
}

void renameFirstItem(CFF3Doc& doc)
{
    auto& name = doc.part<ItemsPart>().table().items[0].name;
    const QString renamed = QStringLiteral("Tin Dirk");
    for (std::size_t i = 1; i < name.size(); ++i)
        name[i] = i - 1 < std::size_t(renamed.size()) ? menutext::MenuCodeFromChar(renamed[int(i - 1)]) : 0xFF;
}

// Random tiles: the World of Ruin's block no longer fits and moves past the image.
void roughenRuin(CFF3Doc& doc)
{
    SampleRandom random(11);
    WorldMap& ruin = *worldMapOf(doc, 1);
    for (int row = 0; row < 140; ++row)
        for (int column = 0; column < 140; ++column)
            ruin.setTile(column, row, 32 + random.below(32));
}

void expectRoundTrip(const QByteArray& original, const QByteArray& modified, const char* what)
{
    for (const Format format : {Format::Ips, Format::Bps}) {
        const char* name = format == Format::Ips ? "IPS" : "BPS";
        const patch::PatchResult made = Patcher::create(format, original, modified);
        ASSERT_TRUE(made.ok()) << what << ' ' << name << ": " << made.error.toStdString();
        const patch::PatchResult applied = Patcher::apply(original, made.data);
        ASSERT_TRUE(applied.ok()) << what << ' ' << name << ": " << applied.error.toStdString();
        EXPECT_TRUE(applied.data == modified) << what << ' ' << name;
    }
}

}  // namespace

TEST(PatchRoundTrip, EditedSampleRomsComeBackExactly)
{
    const QByteArray original = resavedSampleRomBytes();
    const QByteArray renamed = editedAndSaved(renameFirstItem);
    ASSERT_NE(renamed, original);
    expectRoundTrip(original, renamed, "renamed item");
    // A renamed item is a patch of a few bytes.
    EXPECT_LT(Patcher::create(Format::Ips, original, renamed).data.size(), 40);
    EXPECT_LT(Patcher::create(Format::Bps, original, renamed).data.size(), 60);

    const QByteArray grown = editedAndSaved(roughenRuin);
    ASSERT_EQ(grown.size(), 0x400200);
    expectRoundTrip(original, grown, "moved world-map block, grown file");
    expectRoundTrip(grown, original, "shrunk file");
}

TEST(PatchRoundTrip, BpsPatchesCoverTheImageAndKeepEachFilesHeader)
{
    const QByteArray original = resavedSampleRomBytes();
    QByteArray modified = editedAndSaved(renameFirstItem);
    modified[0x10] = char(0x5A);  // a header byte: outside what the patch covers

    const QByteArray bps = Patcher::create(Format::Bps, original, modified).data;
    QByteArray expected = modified;
    expected[0x10] = original[0x10];
    EXPECT_EQ(Patcher::apply(original, bps).data, expected);
    // The same patch fits the headerless image and gives a headerless result.
    EXPECT_EQ(Patcher::apply(rom::withoutCopierHeader(original), bps).data, rom::withoutCopierHeader(modified));
    // Made from headerless images, it fits the headered file as well.
    const QByteArray fromImages =
        Patcher::create(Format::Bps, rom::withoutCopierHeader(original), rom::withoutCopierHeader(modified)).data;
    EXPECT_EQ(fromImages, bps);

    // An IPS patch addresses the file as it is, header included.
    const QByteArray ips = Patcher::create(Format::Ips, original, modified).data;
    EXPECT_EQ(Patcher::apply(original, ips).data, modified);
}

TEST(PatchRoundTrip, FormatsAreChosenByNameAndRecognisedByContent)
{
    EXPECT_EQ(Patcher::formatOfFileName(QStringLiteral("hack.IPS")), Format::Ips);
    EXPECT_EQ(Patcher::formatOfFileName(QStringLiteral("/a.b/hack.bps")), Format::Bps);
    EXPECT_FALSE(Patcher::formatOfFileName(QStringLiteral("hack.ups")));
    EXPECT_FALSE(Patcher::formatOfFileName(QStringLiteral("ips")));

    const QByteArray original = resavedSampleRomBytes();
    const patch::PatchResult same = Patcher::create(Format::Bps, original, original);
    EXPECT_FALSE(same.ok());
    EXPECT_TRUE(same.error.contains(QLatin1String("nothing to patch")));
    const patch::PatchResult foreign = Patcher::apply(original, QByteArray("UPS1...."));
    EXPECT_FALSE(foreign.ok());
    EXPECT_TRUE(foreign.error.contains(QLatin1String("neither an IPS patch nor a BPS patch")));
}

// Pairs where only one file has (or seems to have) a copier header: a
// patch of either format gives back exactly the modified file.
enum class Pair { AppendedToHeadered, CutFromHeadered, AppendedToImage, HeaderedToImage, ImageToHeadered };

class MixedHeaders : public testing::TestWithParam<Pair> {};

TEST_P(MixedHeaders, PatchesReproduceTheModifiedFileExactly)
{
    const QByteArray headered = sampleRomBytes();  // 3,146,240 bytes
    const QByteArray image = rom::withoutCopierHeader(headered);
    switch (GetParam()) {
    case Pair::AppendedToHeadered: expectRoundTrip(headered, headered + noiseBytes(256, 3), "appended"); break;
    case Pair::CutFromHeadered: expectRoundTrip(headered, headered.left(headered.size() - 256), "cut"); break;
    case Pair::AppendedToImage: expectRoundTrip(image, image + noiseBytes(512, 4), "appended to image"); break;
    case Pair::HeaderedToImage: expectRoundTrip(headered, image, "header removed"); break;
    case Pair::ImageToHeadered: expectRoundTrip(image, headered, "header added"); break;
    }
}

INSTANTIATE_TEST_SUITE_P(PatchRoundTrip, MixedHeaders,
                         testing::Values(Pair::AppendedToHeadered, Pair::CutFromHeadered, Pair::AppendedToImage,
                                         Pair::HeaderedToImage, Pair::ImageToHeadered));

// A patch from the image to a file that could not take the header back
// would give the file behind this file's header: refused instead.
TEST(PatchRoundTrip, ABpsPatchWhoseResultCannotTakeTheHeaderBackIsRefused)
{
    const QByteArray headered = sampleRomBytes();
    const QByteArray perFile = BpsPatch::create(rom::withoutCopierHeader(headered), headered + noiseBytes(256, 5)).data;
    const patch::PatchResult applied = Patcher::apply(headered, perFile);
    EXPECT_FALSE(applied.ok());
    EXPECT_TRUE(applied.data.isEmpty());
    EXPECT_TRUE(applied.error.contains(QLatin1String("makes a file of 3146496 bytes, which cannot take the header back")))
        << applied.error.toStdString();
}
