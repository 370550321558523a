#pragma once

#include "document/cff3doc.h"
#include "tests/support/recordingmessageservice.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The sample ROM, built once per test process.
const QByteArray& sampleRomBytes();

// The sample ROM after one open and save without edits (the dialogue then
// lies in the relocated layout), built once per test process.
const QByteArray& resavedSampleRomBytes();

// A ROM file in a fresh temporary folder, removed with the object.
class TempRom {
public:
    explicit TempRom(const QByteArray& bytes = sampleRomBytes(), const QString& name = QStringLiteral("test.smc"));
    const QString& path() const { return path_; }
    QString dir() const { return dir_.path(); }
    QByteArray read() const;
    void write(const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// A document whose messages are recorded instead of shown.
struct TestDoc {
    TestDoc() { doc.setMessageService(&messages); }
    CFF3Doc doc;
    platform::RecordingMessageService messages;
};

// The outcome of running one of the project's programs.
struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};
ToolRun runTool(const QString& program, const QStringList& args);

#ifdef TESSEL_CLI_PATH
inline ToolRun runCli(const QStringList& args)
{
    return runTool(QStringLiteral(TESSEL_CLI_PATH), args);
}
#endif

// File offsets where two images differ (up to the shorter one's end).
QList<qsizetype> differences(const QByteArray& a, const QByteArray& b);

// Reads n bytes at a SNES address of a ROM image.
QByteArray bytesAt(const QByteArray& image, quint32 snesAddress, int n);
