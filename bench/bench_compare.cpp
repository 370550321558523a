// Comparing two 4 MB ROMs by meaning, beside making a BPS patch of the same
// pair: the sample grown to 4 MB, and a saved copy with a few hundred
// edits (record fields, messages, map cells).
#include "compare/romcomparison.h"
#include "document/cff3doc.h"
#include "document/parts/dialoguepart.h"
#include "document/recordtablesource.h"
#include "document/replacemessagecommand.h"
#include "document/setmapcellscommand.h"
#include "patch/patcher.h"
#include "tests/support/recordingmessageservice.h"
#include "text/dialoguescript.h"
#include "tools/samplerom/samplerom.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

struct RomPair {
    QTemporaryDir dir;
    QString original;
    QString edited;
    QByteArray originalBytes;
    QByteArray editedBytes;
    int edits = 0;
    bool ready = false;
};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void edit(CFF3Doc& doc, int* count)
{
    QUndoStack& stack = *doc.undoStack();
    const RecordTableSource items(doc, RecordKind::Item);
    const int cost = items.fieldAt(QStringLiteral("General/Cost in GP"));
    for (int i = 0; i < 120; ++i, ++*count)
        stack.push(items.makeEdit(i, cost, quint32(1000 + i)));
    const RecordTableSource monsters(doc, RecordKind::Monster);
    const int speed = monsters.fieldAt(QStringLiteral("Statistics/Speed"));
    for (int i = 0; i < 120; ++i, ++*count)
        stack.push(monsters.makeEdit(i * 3, speed, quint32(10 + i)));
    for (int m = 0; m < 60; ++m, ++*count) {
        DialogueMessage message;
        ParseDialogue(message, QStringLiteral("A message rewritten for the benchmark, number %1.").arg(m));
        stack.push(new ReplaceMessageCommand(doc, m * 40, message.bytes));
    }
    std::vector<MapCellWrite> cells;
    for (int i = 0; i < 40; ++i, ++*count)
        cells.push_back({QPoint(i * 6, i * 5), quint8(i)});
    stack.push(new SetMapCellsCommand(doc, 0, cells, QStringLiteral("Brush")));
}

const RomPair& pair()
{
    static RomPair* made = [] {
        auto* p = new RomPair;
        p->original = p->dir.filePath(QStringLiteral("original.smc"));
        p->edited = p->dir.filePath(QStringLiteral("edited.smc"));
        QByteArray grown = buildSampleRom();
        grown.append(QByteArray(0x100000, '\0'));  // a file grown to 4 MB past its header
        if (!writeFile(p->original, grown) || !writeFile(p->edited, grown))
            return p;
        platform::RecordingMessageService messages;
        CFF3Doc doc;
        doc.setMessageService(&messages);
        if (!doc.open(p->edited))
            return p;
        edit(doc, &p->edits);
        p->ready = doc.save(p->edited);
        p->originalBytes = readFile(p->original);
        p->editedBytes = readFile(p->edited);
        return p;
    }();
    return *made;
}

// Both files open; what the comparison itself takes.
void BM_CompareOpenDocuments_4MB(benchmark::State& state)
{
    const RomPair& files = pair();
    platform::RecordingMessageService messages;
    const auto before = romcomparison::openFile(files.original, &messages);
    const auto after = romcomparison::openFile(files.edited, &messages);
    if (!files.ready || !before || !after) {
        state.SkipWithError("cannot make the pair of ROMs");
        return;
    }
    std::size_t changes = 0;
    for (auto _ : state) {
        const RomChanges found = romcomparison::compare(*before, *after);
        changes = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["edits"] = files.edits;
    state.counters["changes"] = double(changes);
}
BENCHMARK(BM_CompareOpenDocuments_4MB)->Unit(benchmark::kMillisecond);

// What tessel-cli diff does: open both files, then compare.
void BM_CompareFiles_4MB(benchmark::State& state)
{
    const RomPair& files = pair();
    if (!files.ready) {
        state.SkipWithError("cannot make the pair of ROMs");
        return;
    }
    platform::RecordingMessageService messages;
    for (auto _ : state) {
        const auto before = romcomparison::openFile(files.original, &messages);
        const auto after = romcomparison::openFile(files.edited, &messages);
        const RomChanges found = romcomparison::compare(*before, *after);
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(BM_CompareFiles_4MB)->Unit(benchmark::kMillisecond);

// The BPS patch between the same two files.
void BM_CreateBpsOfComparedPair_4MB(benchmark::State& state)
{
    const RomPair& files = pair();
    if (!files.ready) {
        state.SkipWithError("cannot make the pair of ROMs");
        return;
    }
    for (auto _ : state) {
        const patch::PatchResult made =
            Patcher::create(Patcher::Format::Bps, files.originalBytes, files.editedBytes);
        benchmark::DoNotOptimize(made.data.data());
    }
}
BENCHMARK(BM_CreateBpsOfComparedPair_4MB)->Unit(benchmark::kMillisecond);

}  // namespace
