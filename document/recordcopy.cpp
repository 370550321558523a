#include "document/recordcopy.h"

#include "document/cff3doc.h"
#include "document/propertytable.h"
#include "document/recordtablepart.h"
#include "document/setbytescommand.h"

#include <QDataStream>
#include <QIODevice>
#include <QUndoStack>

namespace tessel {

namespace {

// "TRec", then the kind, the index and the two runs.
constexpr quint32 kClipboardMagic = 0x54526563;
constexpr qsizetype kLongestRun = 4096;

std::span<const quint8> spanOf(const QByteArray& bytes)
{
    return {reinterpret_cast<const quint8*>(bytes.constData()), std::size_t(bytes.size())};
}

// Whether the record's bytes hold the value the property shows.
bool holds(const Property& p, const QByteArray& name, const QByteArray& record)
{
    const QByteArray& run = p.field.part == RecordPart::Name ? name : record;
    if (p.kind == PropertyKind::GameText)
        return run.mid(p.field.offset, p.field.width) == p.text.left(p.field.width);
    return p.field.read(spanOf(run)) == p.value;
}

bool chosen(const FieldChoice& choice, int group, const Property& p)
{
    return !p.readOnly && (!choice.group || *choice.group == group) && (!choice.field || *choice.field == p.id);
}

}  // namespace

RecordCopy RecordCopy::of(const PropertyTable& table, int index)
{
    return {table.kind(), index, table.currentBytes(RecordPart::Name, index),
            table.currentBytes(RecordPart::Record, index)};
}

RecordCopy RecordCopy::inFile(const PropertyTable& table, int index)
{
    return {table.kind(), index, table.part().fileBytes(RecordPart::Name, index),
            table.part().fileBytes(RecordPart::Record, index)};
}

QByteArray RecordCopy::toClipboard() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kClipboardMagic << quint8(kind) << qint32(index) << name << record;
    return bytes;
}

std::optional<RecordCopy> RecordCopy::fromClipboard(const QByteArray& bytes)
{
    QDataStream in(bytes);
    quint32 magic = 0;
    quint8 kind = 0;
    qint32 index = -1;
    in >> magic >> kind >> index;
    if (in.status() != QDataStream::Ok || magic != kClipboardMagic || index < 0)
        return std::nullopt;
    // The runs' lengths are checked before they are read.
    RecordCopy copy{RecordKind(kind), index, {}, {}};
    for (QByteArray* run : {&copy.name, &copy.record}) {
        quint32 length = 0;
        in >> length;
        if (in.status() != QDataStream::Ok || (length != 0xFFFFFFFF && length > kLongestRun))
            return std::nullopt;
        if (length == 0xFFFFFFFF)
            continue;
        run->resize(qsizetype(length));
        if (in.readRawData(run->data(), int(length)) != int(length))
            return std::nullopt;
    }
    if (!in.atEnd())
        return std::nullopt;
    return copy;
}

QSet<int> fieldsDifferingFrom(const PropertyTable& table, int index, const RecordCopy& copy)
{
    const QByteArray name = table.currentBytes(RecordPart::Name, index);
    const QByteArray record = table.currentBytes(RecordPart::Record, index);
    QSet<int> ids;
    for (const PropertyGroup& group : table.properties(index, spanOf(copy.name), spanOf(copy.record)).groups)
        for (const Property& p : group.properties)
            if (!holds(p, name, record))
                ids.insert(p.id);
    return ids;
}

int storeRecordCopy(CFF3Doc& doc, const PropertyTable& table, int index, const RecordCopy& copy,
                    const FieldChoice& choice, const QString& text)
{
    const PropertyList wanted = table.properties(index, spanOf(copy.name), spanOf(copy.record));
    auto differs = [&](const Property& p) {
        return !holds(p, table.currentBytes(RecordPart::Name, index), table.currentBytes(RecordPart::Record, index));
    };
    // All fields: the record's bytes are taken whole, bits no field shows
    // included, unless some of them are shown for reference only.
    bool whole = !choice.group && !choice.field &&
                 copy.record.size() == table.currentBytes(RecordPart::Record, index).size();
    int changes = 0;
    for (const PropertyGroup& group : wanted.groups) {
        for (const Property& p : group.properties) {
            whole = whole && !(p.readOnly && p.field.part == RecordPart::Record);
            changes += chosen(choice, group.id, p) && differs(p);
        }
    }
    const bool wholeDiffers = whole && table.currentBytes(RecordPart::Record, index) != copy.record;
    if (changes == 0 && !wholeDiffers)
        return 0;
    QUndoStack& stack = *doc.undoStack();
    stack.beginMacro(text);
    if (wholeDiffers)
        stack.push(new SetBytesCommand(doc, table.bytes(RecordPart::Record, index), 0, copy.record, text));
    // Each edit is made from the bytes as the one before left them: fields
    // may share a byte.
    for (const PropertyGroup& group : wanted.groups) {
        for (const Property& p : group.properties) {
            if (!chosen(choice, group.id, p) || !differs(p))
                continue;
            if (p.kind == PropertyKind::GameText) {
                stack.push(table.makeTextEdit(index, p, p.text));
            } else {
                Property now = p;
                now.value = p.field.read(spanOf(table.currentBytes(p.field.part, index)));
                stack.push(table.makeEdit(index, now, p.value));
            }
        }
    }
    stack.endMacro();
    return qMax(changes, 1);
}

}  // namespace tessel
