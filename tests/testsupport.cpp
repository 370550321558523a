#include "tests/testsupport.h"

#include "document/editcommands.h"
#include "document/savecontext.h"
#include "play/emulatorcore.h"
#include "rom/romaddress.h"
#include "text/dialoguescript.h"
#include "text/gamefonts.h"
#include "text/menutext.h"
#include "tools/samplerom/sampleboot.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"
#include "worldmap/worldmap.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/itemspart.h"
#include "document/parts/worldmappart.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace tessel {

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

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

QList<qsizetype> differences(const QByteArray& a, const QByteArray& b)
{
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < qMin(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            offsets.append(i);
    return offsets;
}

QByteArray bytesAt(const QByteArray& image, quint32 snesAddress, int n)
{
    return image.mid(rom::fileOffset(snesAddress), n);
}

ToolRun runTool(const QString& program, const QStringList& args, const QString& workingDirectory)
{
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray noiseBytes(qsizetype size, quint32 seed)
{
    SampleRandom random(seed);
    QByteArray out(size, '\0');
    for (char& c : out)
        c = char(random.byte());
    return out;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size());
}

void flipItemNameBits(CFF3Doc& doc, int item, int offset, quint8 mask)
{
    const quint8 current = doc.part<ItemsPart>().table().items[std::size_t(item)].name[std::size_t(offset)];
    doc.undoStack()->push(makeSetByte(doc, doc.part<ItemsPart>().bytes(RecordPart::Name, item), offset, quint8(current ^ mask),
                                      QStringLiteral("Change Name")));
}

SnesAddress pointerAt(const QByteArray& image, SnesAddress location)
{
    const QByteArray b = bytesAt(image, location, 3);
    return quint8(b[0]) | quint8(b[1]) << 8 | quint8(b[2]) << 16;
}

void roughenMap(WorldMap& map, int side, quint32 seed, int first, int kinds)
{
    SampleRandom random(seed);
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
            map.setTile(column, row, first + random.below(kinds));
}

bool saveWorldMaps(CFF3Doc& doc, RomImage& rom, FreeSpace& space, QString* reason)
{
    SaveContext save(rom);
    save.space = space;
    for (WorldMapPart* part : doc.parts().all<WorldMapPart>())
        if (!part->encode(save)) {
            *reason = save.reason;
            return false;
        }
    save.runDeferred();
    space = save.space;
    return true;
}

void setMessages(CFF3Doc& doc, int count, const QString& text)
{
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(ParseDialogue(doc.part<DialoguePart>().dialogue().messages[std::size_t(i)], text));
}

void expectSameDialogueAndMaps(const CFF3Doc& saved, const QString& path)
{
    TestDoc reopened;
    ASSERT_TRUE(reopened.doc.open(path));
    ASSERT_EQ(reopened.doc.part<DialoguePart>().dialogue().messages.size(), saved.part<DialoguePart>().dialogue().messages.size());
    for (std::size_t i = 0; i < saved.part<DialoguePart>().dialogue().messages.size(); ++i)
        ASSERT_EQ(reopened.doc.part<DialoguePart>().dialogue().messages[i].bytes, saved.part<DialoguePart>().dialogue().messages[i].bytes) << i;
    for (int m = 0; m < 2; ++m)
        EXPECT_EQ(worldMapOf(reopened.doc, m)->tileMap, worldMapOf(saved, m)->tileMap) << m;
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

}  // namespace tessel
