#include "document/parts/editorflagspart.h"

#include "document/savecontext.h"
#include "rom/romimage.h"

#include <QCoreApplication>

namespace tessel {

void EditorFlagsPart::load(RomImage& rom)
{
    rom.seekOffset(EditorFlags::kFileOffset);
    rom.readInto(flags_.bytes);
    inFile_ = flags_;
}

void EditorFlagsPart::beginSave(SaveContext& save)
{
    // Parts change the save's copy; a refused save leaves these as they are.
    save.flags = flags_;
}

bool EditorFlagsPart::encode(SaveContext& save)
{
    save.rom.seekOffset(EditorFlags::kFileOffset);
    save.rom.write(save.flags.bytes);
    return true;
}

void EditorFlagsPart::saved(const SaveContext& save)
{
    flags_ = save.flags;
    inFile_ = flags_;
}

std::vector<PartField> EditorFlagsPart::fields() const
{
    std::vector<PartField> fields;
    for (int i = 0; i < EditorFlags::kSize; ++i)
        fields.push_back({RecordRef(RecordKind::EditorFlags), i,
                          QCoreApplication::translate("EditorFlagsPart", "Byte %1").arg(i),
                          QStringLiteral("%1").arg(flags_.bytes[std::size_t(i)], 2, 16, QLatin1Char('0')).toUpper()});
    return fields;
}

}  // namespace tessel
