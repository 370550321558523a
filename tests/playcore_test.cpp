#include "play/audioresampler.h"
#include "play/coreframe.h"
#include "play/framepacer.h"
#include "play/padkeymap.h"
#include "play/picturelayout.h"
#include "play/playsettings.h"
#include "tests/support/memorysettingsstore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace tessel;

TEST(CoreFrame, EachPixelLayoutGivesTheSameColoursWhateverThePitch)
{
    // Two pixels: pure red and a mid blue, in each layout, with padding
    // bytes at the end of every row.
    const std::array<quint16, 4> rgb1555 = {0x7C00 | 0x8000, 0x0010, 0xDEAD, 0xBEEF};  // top bit is junk
    const std::array<quint16, 4> rgb565 = {0xF800, 0x0010, 0xDEAD, 0xBEEF};
    const std::array<quint32, 3> xrgb8888 = {0x00FF0000, 0x12000084, 0xDEADBEEF};
    QImage image;
    ASSERT_TRUE(copyCoreFrame(image, rgb1555.data(), 2, 1, 8, CorePixelFormat::Rgb1555));
    EXPECT_EQ(image.format(), QImage::Format_RGB555);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(qBlue(image.pixel(1, 0)) >> 3, 0x10);
    ASSERT_TRUE(copyCoreFrame(image, rgb565.data(), 2, 1, 8, CorePixelFormat::Rgb565));
    EXPECT_EQ(image.format(), QImage::Format_RGB16);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(qBlue(image.pixel(1, 0)) >> 3, 0x10);
    ASSERT_TRUE(copyCoreFrame(image, xrgb8888.data(), 2, 1, 12, CorePixelFormat::Xrgb8888));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0x84));  // the undefined top byte is dropped
}

TEST(CoreFrame, RowsComeFromTheirPitchAndBadInputLeavesTheImage)
{
    const std::array<quint16, 6> rows = {0x001F, 0xFFFF, 0xFFFF, 0x03E0, 0xFFFF, 0xFFFF};  // pitch 6 bytes
    QImage image;
    ASSERT_TRUE(copyCoreFrame(image, rows.data(), 1, 2, 6, CorePixelFormat::Rgb1555));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0xFF));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0xFF, 0));
    const QImage before = image.copy();
    EXPECT_FALSE(copyCoreFrame(image, rows.data(), 4, 2, 6, CorePixelFormat::Rgb1555));  // pitch too small
    EXPECT_FALSE(copyCoreFrame(image, nullptr, 1, 2, 6, CorePixelFormat::Rgb1555));
    EXPECT_FALSE(copyCoreFrame(image, rows.data(), 1, 2, 6, CorePixelFormat(7)));
    EXPECT_EQ(image, before);
}

TEST(FramePacer, KeepsTheRateOverUnevenTicks)
{
    constexpr qint64 kSecond = 1'000'000'000;
    FramePacer pacer(60.0);
    pacer.restart(0);
    EXPECT_EQ(pacer.framesDue(0), 1);  // the first frame at once
    EXPECT_EQ(pacer.framesDue(kSecond / 120), 0);
    EXPECT_EQ(pacer.nanosecondsToNextFrame(kSecond / 120), kSecond / 60 - kSecond / 120 + 1);
    int run = 1;
    // Ticks 7 ms and 29 ms apart alternately, for a second.
    qint64 now = 0;
    for (int i = 0; now < kSecond - 36'000'000; ++i) {
        now += i % 2 ? 29'000'000 : 7'000'000;
        const int due = pacer.framesDue(now);
        EXPECT_LE(due, FramePacer::kMaxCatchUp);
        run += due;
    }
    EXPECT_NEAR(run, 60 * double(now) / kSecond + 1, 1.0);
}

TEST(FramePacer, DropsTheDebtOfALongStall)
{
    FramePacer pacer(50.0);
    pacer.restart(1000);
    EXPECT_EQ(pacer.framesDue(1000), 1);
    EXPECT_EQ(pacer.framesDue(1000 + 2'000'000'000), FramePacer::kMaxCatchUp);
    // Counted afresh from the stall: the next frame 20 ms later.
    EXPECT_EQ(pacer.framesDue(1000 + 2'010'000'000), 0);
    EXPECT_EQ(pacer.framesDue(1000 + 2'020'000'000), 1);
}

TEST(PadKeyMap, DefaultKeysAndTheirButtons)
{
    const PadKeyMap keys;
    EXPECT_EQ(keys.buttonsFor(Qt::Key_X), padBit(PadButton::A));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_Z), padBit(PadButton::B));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_S), padBit(PadButton::Y));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_A), padBit(PadButton::X));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_Q), padBit(PadButton::L));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_W), padBit(PadButton::R));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_Return), padBit(PadButton::Start));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_Enter), padBit(PadButton::Start));
    EXPECT_EQ(keys.buttonsFor(PadKeyMap::kRightShift), padBit(PadButton::Select));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_Shift), 0);  // the left Shift is free
    EXPECT_EQ(keys.buttonsFor(Qt::Key_Left), padBit(PadButton::Left));
    EXPECT_EQ(keys.buttonsFor(Qt::Key_P), 0);
}

TEST(PadKeyMap, SettingsTextRoundTripsAndBadEntriesChangeNothing)
{
    PadKeyMap keys;
    keys.setKey(PadButton::A, Qt::Key_Space);
    keys.setKey(PadButton::Select, Qt::Key_Backspace);
    keys.setKey(PadButton::L, Qt::Key_F9);
    keys.setKey(PadButton::R, Qt::Key_L);
    keys.setKey(PadButton::Y, 0);  // no key
    PadKeyMap read;
    read.parse(keys.toString());
    EXPECT_EQ(read, keys) << keys.toString().toStdString();
    EXPECT_EQ(read.buttonsFor(Qt::Key_L), padBit(PadButton::R));

    EXPECT_TRUE(PadKeyMap().toString().contains(QStringLiteral("Start=Enter;Select=Right Shift")));
    PadKeyMap partly;
    partly.parse(QStringLiteral("A=Ctrl+K;B=NoSuchKey;Up;Nothing=K;X=K;=Z"));
    PadKeyMap expected;
    expected.setKey(PadButton::X, Qt::Key_K);
    EXPECT_EQ(partly, expected) << partly.toString().toStdString();
    // Names in any case; the keypad's Enter is Enter.
    PadKeyMap cased;
    cased.parse(QStringLiteral("Start=ENTER;Select=right shift;A=x"));
    EXPECT_EQ(cased, PadKeyMap());
    cased.setKey(PadButton::L, Qt::Key_Enter);
    EXPECT_EQ(cased.key(PadButton::L), int(Qt::Key_Return));
    // Two buttons on one key press both.
    partly.setKey(PadButton::Y, Qt::Key_K);
    EXPECT_EQ(partly.buttonsFor(Qt::Key_K), padBit(PadButton::X) | padBit(PadButton::Y));
}

TEST(PlaySettings, LoadAndSaveThroughTheStore)
{
    platform::MemorySettingsStore store;
    PlaySettings defaults;
    defaults.load(store);
    EXPECT_TRUE(defaults.corePath.isEmpty());
    EXPECT_FALSE(defaults.effectiveCorePath().isEmpty());
    EXPECT_EQ(defaults.scale, 2);

    PlaySettings changed;
    changed.corePath = QStringLiteral("/opt/cores/other_libretro.so");
    changed.keys.setKey(PadButton::Start, Qt::Key_Space);
    changed.scale = 3;
    changed.pixelAspect = true;
    changed.save(store);
    EXPECT_EQ(store.values.value(QStringLiteral("EmulatorCore")), changed.corePath);
    EXPECT_TRUE(store.values.value(QStringLiteral("EmulatorKeys")).contains(QStringLiteral("Start=Space")));
    PlaySettings read;
    read.load(store);
    EXPECT_EQ(read.effectiveCorePath(), changed.corePath);
    EXPECT_EQ(read.keys, changed.keys);
    EXPECT_EQ(read.scale, 3);
    EXPECT_TRUE(read.pixelAspect);

    store.writeInt(QStringLiteral("EmulatorScale"), 9);
    read.load(store);
    EXPECT_EQ(read.scale, PlaySettings::kMaxScale);
}

TEST(PictureLayout, WholeFactorsCentredWithOptionalPixelAspect)
{
    using namespace picturelayout;
    const QSize frame(256, 224);
    EXPECT_EQ(scaledSize(frame, 2, false), QSize(512, 448));
    EXPECT_EQ(scaledSize(frame, 1, true), QSize(293, 224));
    EXPECT_EQ(scaledSize(frame, 3, true), QSize(878, 672));
    EXPECT_EQ(pictureRect(frame, QSize(600, 500), false), QRect(44, 26, 512, 448));
    EXPECT_EQ(pictureRect(frame, QSize(1023, 700), false), QRect(127, 14, 768, 672));
    // Too small for even 1x: 1x, overhanging evenly.
    EXPECT_EQ(pictureRect(frame, QSize(200, 200), false), QRect(-28, -12, 256, 224));
    // High-resolution and interlaced frames show at the console's size.
    EXPECT_EQ(scaledSize(QSize(512, 448), 2, false), QSize(512, 448));
    EXPECT_EQ(pictureRect(QSize(512, 224), QSize(512, 448), false), QRect(0, 0, 512, 448));
    EXPECT_TRUE(pictureRect(QSize(), QSize(100, 100), false).isNull());
}

TEST(AudioResampler, ConvertsTheRateWithoutASeamBetweenBlocks)
{
    // A ramp on the left channel, its negative on the right, cut into
    // uneven blocks and converted from 32 kHz to 48 kHz.
    std::vector<qint16> ramp;
    for (int i = 0; i < 3200; ++i) {
        ramp.push_back(qint16(i));
        ramp.push_back(qint16(-i));
    }
    AudioResampler whole(32000, 48000);
    const std::vector<qint16> once = whole.process(ramp);
    AudioResampler pieces(32000, 48000);
    std::vector<qint16> joined;
    for (size_t start = 0, size = 2; start < ramp.size(); start += size, size = size * 3 % 1000 + 2) {
        const size_t end = std::min(ramp.size(), start + size);
        const auto part = pieces.process(std::vector<qint16>(ramp.begin() + qsizetype(start), ramp.begin() + qsizetype(end)));
        joined.insert(joined.end(), part.begin(), part.end());
    }
    EXPECT_EQ(joined, once);
    EXPECT_NEAR(double(once.size()) / 2, 4800, 2);
    // Every output frame lies on the ramp, a frame behind: output k is
    // input position k * 2/3, counted from the frame before the first.
    for (size_t k = 0; 2 * k + 1 < once.size(); ++k) {
        const double expected = std::max(0.0, double(k) * 2.0 / 3.0 - 1.0);
        EXPECT_NEAR(once[2 * k], expected, 0.5 + 1e-9) << k;
        EXPECT_EQ(once[2 * k + 1], -once[2 * k]) << k;
    }
}
