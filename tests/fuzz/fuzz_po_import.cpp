// Feeds arbitrary PO files to the text import on the sample document: a
// refusal must say why and change nothing; an accepted import must be one
// undo step (or none, when nothing differs) that leaves the document as it
// was once undone. Half of the inputs are the fuzzer's bytes as they are;
// the other half are put behind an exported entry's context, so that the
// import reaches its checks of message and name texts often.
#include "document/textcatalog.h"
#include "tests/fuzz/fuzzsampledocument.h"

#include <QUndoStack>

#include <cstdint>
#include <cstdlib>

using namespace tessel;

namespace {

struct Sample : FuzzSampleDocument {
    Sample()
    {
        QString reason;
        doc.encodeSaveImage(&before, &reason);
    }
    QByteArray before;
};

// A PO entry for one of a few contexts, its translation the fuzzer's text.
QByteArray wrapAsEntry(uint8_t choice, const QByteArray& text)
{
    static const char* const contexts[] = {"dialogue 0001", "dialogue 0005", "item 3", "spell 7", "esper 2", "monster 10"};
    QByteArray escaped;
    for (const char c : text) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        if (c == '\n')
            escaped += "\\n";
        else if (c != '\0')
            escaped += c;
    }
    return QByteArray("msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\nmsgctxt \"") +
           contexts[choice % 6] + "\"\nmsgid \"x\"\nmsgstr \"" + escaped + "\"\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sample sample;
    if (size < 1)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QByteArray po = (data[0] & 0x80) ? wrapAsEntry(data[0], rest) : rest;

    CFF3Doc& doc = sample.doc;
    textcatalog::ImportSummary summary;
    QStringList errors;
    const bool accepted = textcatalog::import(doc, po, &summary, &errors);
    if (!accepted && errors.isEmpty())
        std::abort();  // a refusal must say why
    if (doc.undoStack()->count() > 1 || (!accepted && (doc.undoStack()->count() != 0 || doc.isModified())))
        std::abort();  // an import is one step, a refusal none
    if (doc.undoStack()->count() == 1) {
        doc.undoStack()->undo();
        doc.undoStack()->clear();
        QByteArray after;
        QString reason;
        if (!doc.encodeSaveImage(&after, &reason) || after != sample.before)
            std::abort();  // undone, the document is what it was
    }
    return 0;
}
