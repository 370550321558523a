#include "platform/gui/clipboardformat.h"
#include "platform/gui/displayerrors.h"
#include "platform/gui/displaysurface.h"
#include "uikit/hyperlinkerrors.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace tessel;

TEST(DisplayErrors, NamesKnownCodesAndCallsTheRestUnknown)
{
    EXPECT_EQ(platform::displayErrorText(0x800401F0u), QStringLiteral("DirectDraw Error DDERR_NOTINITIALIZED"));
    EXPECT_EQ(platform::displayErrorName(0x88760000u | 450), QStringLiteral("DDERR_SURFACELOST"));
    EXPECT_EQ(platform::displayErrorName(0x8007000Eu), QStringLiteral("DDERR_OUTOFMEMORY"));
    EXPECT_EQ(platform::displayErrorName(0x80070057u), QStringLiteral("DDERR_INVALIDPARAMS"));
    EXPECT_EQ(platform::displayErrorText(0x12345678u), QStringLiteral("DirectDraw Error Unknown Error"));
    EXPECT_EQ(platform::displayErrorName(0), QStringLiteral("Unknown Error"));
}

TEST(DisplaySurface, BackBufferUsesTheScreensPixelFormat)
{
    for (const auto& [bits, format, bytes] : {std::tuple{16, QImage::Format_RGB16, 2},
                                              std::tuple{24, QImage::Format_BGR888, 3},
                                              std::tuple{32, QImage::Format_RGB32, 4}}) {
        platform::DisplaySurface surface(bits);
        ASSERT_EQ(surface.resize(QSize(10, 3)), 0u) << bits;
        EXPECT_EQ(surface.image().format(), format);
        EXPECT_GE(surface.pitch(), 10 * bytes);
        ASSERT_NE(surface.lock(), nullptr);
    }
    platform::DisplaySurface eightBit(8);
    EXPECT_EQ(eightBit.resize(QSize(4, 4)), platform::kDisplayUnsupportedMode);
    EXPECT_TRUE(eightBit.isNull());
}

TEST(DisplaySurface, PixelsWrittenThroughTheLockAreDrawn)
{
    platform::DisplaySurface surface(32);
    ASSERT_EQ(surface.resize(QSize(2, 2)), 0u);
    auto* row = reinterpret_cast<quint32*>(surface.lock() + surface.pitch());
    row[1] = 0xFF00FF00u;  // green at (1, 1)
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    surface.blt(painter, QPoint(2, 2));
    painter.end();
    EXPECT_EQ(target.pixel(3, 3), 0xFF00FF00u);
    EXPECT_EQ(target.pixel(2, 2), 0xFF000000u);
    EXPECT_EQ(target.pixel(0, 0), 0xFFFFFFFFu);
}

TEST(Clipboard, BlocksTravelUnderTheirFormatName)
{
    const quint32 format = platform::registerClipboardFormat(QString::fromLatin1(platform::kWorldMapClipboardFormat));
    EXPECT_GE(format, 0xC000u);
    const QByteArray block("\x02\x01\x10\x11", 4);
    platform::putClipboardBlock(format, block);
    EXPECT_TRUE(platform::clipboardHasBlock(format));
    EXPECT_EQ(platform::clipboardBlock(format), block);
    const quint32 other = platform::registerClipboardFormat(QStringLiteral("TESSEL_OTHER"));
    EXPECT_NE(other, format);
    EXPECT_FALSE(platform::clipboardHasBlock(other));
    EXPECT_TRUE(platform::clipboardBlock(other).isEmpty());
    EXPECT_FALSE(platform::clipboardHasBlock(0x1234));
}

TEST(HyperlinkErrors, ReasonTexts)
{
    EXPECT_EQ(uikit::hyperlinkErrorReason(2), QStringLiteral("The specified file was not found."));
    EXPECT_EQ(uikit::hyperlinkErrorReason(26), QStringLiteral("A sharing violation occurred. "));
    EXPECT_EQ(uikit::hyperlinkErrorReason(31),
              QStringLiteral("There is no application associated\nwith the given filename extension."));
    EXPECT_EQ(uikit::hyperlinkErrorReason(99), QStringLiteral("Unknown Error (99) occurred."));
}
