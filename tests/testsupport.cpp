#include "tests/testsupport.h"

#include "play/emulatorcore.h"
#include "rom/romaddress.h"
#include "text/gamefonts.h"
#include "text/menutext.h"
#include "tools/samplerom/sampleboot.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

const QByteArray& sampleRomBytes()
{
    static const QByteArray bytes = buildSampleRom();
    return bytes;
}

const QByteArray& resavedSampleRomBytes()
{
    static const QByteArray bytes = [] {
        TempRom file;
        TestDoc t;
        EXPECT_TRUE(t.doc.open(file.path()));
        EXPECT_TRUE(t.doc.save(file.path()));
        return file.read();
    }();
    return bytes;
}

TempRom::TempRom(const QByteArray& bytes, const QString& name)
{
    path_ = dir_.filePath(name);
    write(bytes);
}

QByteArray TempRom::read() const
{
    QFile file(path_);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path_.toStdString();
    return file.readAll();
}

void TempRom::write(const QByteArray& bytes) const
{
    QFile file(path_);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EXPECT_EQ(file.write(bytes), bytes.size());
}

QByteArray bytesAt(const QByteArray& image, quint32 snesAddress, int n)
{
    return image.mid(rom::fileOffset(snesAddress), n);
}

ToolRun runTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

bool emulatorCoreInstalled()
{
    return QFileInfo::exists(EmulatorCore::defaultCorePath());
}

namespace {

// A pixel as the console's 5-bit red, green and blue.
quint16 consoleColour(QRgb pixel)
{
    return quint16((qRed(pixel) >> 3) | (qGreen(pixel) >> 3) << 5 | (qBlue(pixel) >> 3) << 10);
}

}  // namespace

QString samplePictureDifference(const QImage& frame, const QByteArray& rom)
{
    using namespace sampleboot;
    if (frame.width() != 256 || frame.height() != 224)
        return QStringLiteral("the frame is %1 x %2").arg(frame.width()).arg(frame.height());
    const int textLength = int(qstrlen(kText));
    const QRect text(kTextColumn * 8, kTextRow * 8, textLength * 8, 8);
    const QByteArray font = bytesAt(rom, GameFonts::kMenuGlyphsAddress, 128 * GameFonts::kMenuGlyphSize);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            quint16 expected = kBackdropColour;
            if (text.contains(x, y)) {
                const int letter = (x - text.left()) / 8;
                const int code = quint8(menutext::MenuCodeFromChar(QLatin1Char(kText[letter])));
                const int row = (code - GameFonts::kMenuFirstCode) * GameFonts::kMenuGlyphSize + 2 * (y - text.top());
                const int bit = 7 - (x - text.left()) % 8;
                const int value = (quint8(font[row]) >> bit & 1) | (quint8(font[row + 1]) >> bit & 1) << 1;
                if (value != 0)
                    expected = kInkColours[value - 1];
            }
            const quint16 actual = consoleColour(frame.pixel(x, y));
            if (actual != expected)
                return QStringLiteral("pixel (%1, %2) is $%3, not $%4")
                    .arg(x).arg(y).arg(actual, 4, 16, QLatin1Char('0')).arg(expected, 4, 16, QLatin1Char('0'));
        }
    }
    return QString();
}
