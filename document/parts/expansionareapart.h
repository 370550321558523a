#pragma once

#include "document/documentpart.h"
#include "rom/expansionarea.h"

namespace tessel {

// The file past the 3 MB image, $F0:0000 to $FF:FFFF. At open it tells
// Tessel's own bytes there from other tools'. A save first releases
// Tessel's own bytes (clears them) so that the dialogue and moved map
// blocks are placed anew in free space, and last grows the file to the
// next 1 MB and checks that no byte of another tool changed.
class ExpansionAreaPart : public DocumentPart {
public:
    // The area as it was when the file was opened.
    const ExpansionArea& area() const { return area_; }

    QString id() const override { return QStringLiteral("expansion"); }
    std::vector<RecordKind> kinds() const override { return {RecordKind::Address}; }
    void load(RomImage& rom) override;
    void clear() override { area_ = {}; }
    void beginSave(SaveContext& save) override;
    bool encode(SaveContext& save) override;
    bool finishEncode(SaveContext& save) override;
    bool isModified() const override { return false; }
    // How many bytes there are other tools', Tessel's and free.
    std::vector<PartField> fields() const override;

    // Where Tessel's own data lies past the image in `rom`: the messages of
    // a relocated dialogue there and the world-map blocks moved there.
    static std::vector<AddressRange> ownData(RomImage& rom);

private:
    ExpansionArea area_;
};

}  // namespace tessel
