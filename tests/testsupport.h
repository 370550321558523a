#pragma once

#include "document/cff3doc.h"
#include "document/parts/characterspart.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/editorflagspart.h"
#include "document/parts/esperspart.h"
#include "document/parts/fontspart.h"
#include "document/parts/formationspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"
#include "document/parts/shopspart.h"
#include "document/parts/spellspart.h"
#include "document/parts/worldmappart.h"
#include "tests/support/recordingmessageservice.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>

namespace tessel {

class FreeSpace;
class RomImage;

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
// Runs in the test's current folder unless another is given.
ToolRun runTool(const QString& program, const QStringList& args, const QString& workingDirectory = QString());

#ifdef TESSEL_CLI_PATH
inline ToolRun runCli(const QStringList& args, const QString& workingDirectory = QString())
{
    return runTool(QStringLiteral(TESSEL_CLI_PATH), args, workingDirectory);
}
#endif

// An edit through the undo stack, as an editor makes it: flips the bits of
// `mask` in byte `offset` of item `item`'s name.
void flipItemNameBits(CFF3Doc& doc, int item, int offset, quint8 mask = 1);
// File offsets where two images differ (up to the shorter one's end).
QList<qsizetype> differences(const QByteArray& a, const QByteArray& b);

// Reads n bytes at a SNES address of a ROM image.
QByteArray bytesAt(const QByteArray& image, quint32 snesAddress, int n);

// The bytes with the given values, for short inputs written out in tests.
QByteArray bytesOf(std::initializer_list<int> values);
// size bytes of a fixed pseudo-random sequence.
QByteArray noiseBytes(qsizetype size, quint32 seed);

// Whole files by path; an unreadable file reads as empty.
QByteArray fileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
// The 24-bit pointer stored at a SNES address of a ROM image.
SnesAddress pointerAt(const QByteArray& image, SnesAddress location);

// Scatters random tiles of one family (first, first + 1 .. first + kinds - 1)
// over a square from the top-left corner, so the map outgrows its room.
void roughenMap(WorldMap& map, int side, quint32 seed, int first = 32, int kinds = 32);
// Saves both world maps of `doc` into `rom` as a document save does, with
// `space` the room past the image; false, with the reason, when refused.
bool saveWorldMaps(CFF3Doc& doc, RomImage& rom, FreeSpace& space, QString* reason);
// Replaces the first `count` messages with the parse of `text`.
void setMessages(CFF3Doc& doc, int count, const QString& text);
// Reopens the file `saved` was saved into and checks that every message
// and both tile maps read back as they were.
void expectSameDialogueAndMaps(const CFF3Doc& saved, const QString& path);
// Whether the default libretro core is installed; tests that run a game
// skip with a note without it.
bool emulatorCoreInstalled();
#define SKIP_WITHOUT_EMULATOR_CORE()                                                                  \
    do {                                                                                              \
        if (!emulatorCoreInstalled())                                                                 \
            GTEST_SKIP() << "No libretro core installed; install libretro-bsnes-mercury-performance"; \
    } while (false)

// Compares a frame with the picture the sample's start-up program draws:
// the backdrop colour everywhere but the word, whose pixels come from the
// menu font in `rom`. Empty when they match, else the first difference.
QString samplePictureDifference(const QImage& frame, const QByteArray& rom = sampleRomBytes());

}  // namespace tessel
