#include "tests/testsupport.h"

#include "rom/romaddress.h"
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

ToolRun runTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
