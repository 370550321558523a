#include "document/parts/scriptpart.h"

#include "document/savecontext.h"
#include "rom/romimage.h"
#include "rom/snesaddresstext.h"

#include <QCoreApplication>

namespace tessel {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ScriptPart", text);
}

}  // namespace

void ScriptPart::load(RomImage& rom)
{
    image_ = rom.data();
    tables_.load(rom);
    listing_.reset();
    const events::ScriptListing& l = listing();
    areaStart_ = rom::fileOffset(events::kScriptAreaStart);
    areaEnd_ = l.size() ? rom::fileOffset(l.address(l.size() - 1)) + qint64(l.bytes(l.size() - 1).size()) : areaStart_;
    inFile_ = image_.mid(areaStart_, areaEnd_ - areaStart_);
}

void ScriptPart::clear()
{
    image_.clear();
    inFile_.clear();
    areaStart_ = areaEnd_ = 0;
    tables_ = {};
    listing_.reset();
}

bool ScriptPart::isModified() const
{
    return image_.mid(areaStart_, areaEnd_ - areaStart_) != inFile_;
}

bool ScriptPart::encode(SaveContext& save)
{
    // Only the runs that differ from the file are written.
    const QByteArray now = image_.mid(areaStart_, areaEnd_ - areaStart_);
    qsizetype i = 0;
    while (i < now.size()) {
        if (i < inFile_.size() && now[i] == inFile_[i]) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < now.size() && (end >= inFile_.size() || now[end] != inFile_[end]))
            ++end;
        save.rom.seekOffset(areaStart_ + i);
        save.rom.write(now.mid(i, end - i));
        i = end;
    }
    return true;
}

void ScriptPart::saved(const SaveContext&)
{
    inFile_ = image_.mid(areaStart_, areaEnd_ - areaStart_);
}

std::vector<PartField> ScriptPart::fields() const
{
    std::vector<PartField> fields;
    const events::ScriptListing& l = listing();
    fields.reserve(std::size_t(l.size()));
    for (int i = 0; i < l.size(); ++i)
        fields.push_back({RecordRef::event(l.address(i)), 0, tr("Bytes"), QString::fromLatin1(l.byteArray(i).toHex().toUpper())});
    return fields;
}

const events::ScriptListing& ScriptPart::listing() const
{
    if (!listing_ || stale_) {
        listing_ = listingOf(image_).value_or(events::ScriptListing());
        stale_ = false;
    }
    return *listing_;
}

std::optional<events::ScriptListing> ScriptPart::listingOf(const QByteArray& image) const
{
    if (image.size() <= rom::fileOffset(events::kScriptAreaStart))
        return std::nullopt;
    RomImage rom;
    rom.openInMemory(image, RomImage::Mode::Loading);
    return events::ScriptListing::build(rom, tables_);
}

bool ScriptPart::inArea(SnesAddress address, qsizetype size) const
{
    const qint64 at = rom::fileOffset(address);
    return at >= areaStart_ && at + size <= areaEnd_;
}

std::optional<QString> ScriptPart::checkEdits(const QList<ScriptEdit>& edits) const
{
    const events::ScriptListing& l = listing();
    QByteArray image = image_;
    for (const ScriptEdit& edit : edits) {
        const int i = l.indexAt(edit.address);
        if (i < 0 || l.address(i) != edit.address || !inArea(edit.address, edit.bytes.size()))
            return tr("No command starts at %1.").arg(snesAddressText(edit.address));
        if (edit.bytes.size() != qsizetype(l.bytes(i).size()))
            return tr("The command at %1 is %2 bytes long; an edit may not change its length (%3 bytes given).")
                .arg(snesAddressText(edit.address))
                .arg(l.bytes(i).size())
                .arg(edit.bytes.size());
        if (l.kind(i) != events::EntryKind::DataRow && quint8(edit.bytes[0]) != l.opcode(i))
            return tr("The command at %1 has opcode $%2; an edit may not change it.")
                .arg(snesAddressText(edit.address), QStringLiteral("%1").arg(l.opcode(i), 2, 16, QLatin1Char('0')).toUpper());
        image.replace(rom::fileOffset(edit.address), edit.bytes.size(), edit.bytes);
    }
    // The script after an edit must still be read as the same commands.
    const std::optional<events::ScriptListing> after = listingOf(image);
    for (int i = 0; after && i < l.size(); ++i) {
        if (i >= after->size() || after->address(i) != l.address(i) || after->kind(i) != l.kind(i))
            return tr("The edits change how the script is read from %1 on, so they are refused.").arg(snesAddressText(l.address(i)));
    }
    if (after && after->size() != l.size())
        return tr("The edits change how the script is read at its end, so they are refused.");
    return std::nullopt;
}

QList<ScriptEdit> ScriptPart::currentBytes(const QList<ScriptEdit>& edits) const
{
    QList<ScriptEdit> current;
    for (const ScriptEdit& edit : edits)
        current.append({edit.address, image_.mid(rom::fileOffset(edit.address), edit.bytes.size())});
    return current;
}

void ScriptPart::apply(const QList<ScriptEdit>& edits)
{
    for (const ScriptEdit& edit : edits)
        if (inArea(edit.address, edit.bytes.size()))
            image_.replace(rom::fileOffset(edit.address), edit.bytes.size(), edit.bytes);
    // As after a dialogue change, views told of the edit can still read
    // the listing as it was.
    stale_ = true;
}

void ScriptPart::followDialogue(const DialogueList& dialogue, const RecordRef& changed)
{
    std::vector<DialogueMessage>& messages = tables_.dialogue.messages;
    if (changed.isWhole()) {
        messages = dialogue.messages;
    } else {
        const std::size_t i = std::size_t(changed.index);
        if (changed.index < 0 || i >= messages.size() || i >= dialogue.messages.size())
            return;
        messages[i] = dialogue.messages[i];
    }
    // The listing as it was stays readable until it is next asked for, so
    // views told of the change can still see where they stood.
    stale_ = true;
}

}  // namespace tessel
