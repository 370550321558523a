#include "tests/testsupport.h"

#include "document/editcommands.h"

#include "rom/romaddress.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
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

QByteArray byteList(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
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
    const quint8 current = doc.items.items[std::size_t(item)].name[std::size_t(offset)];
    doc.undoStack()->push(makeSetByte(doc, TableBytes::itemName(item), offset, quint8(current ^ mask),
                                      QStringLiteral("Change Name")));
}
