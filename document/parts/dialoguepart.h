#pragma once

#include "document/documentpart.h"
#include "text/dialoguestorage.h"

namespace tessel {

// The game's dialogue: every message in the dialogue encoding. A save
// writes it in the relocated layout, with the text that outgrows the
// game's area in wholly free banks past the image; a ROM whose layout is
// not recognised keeps its dialogue area as it was.
class DialoguePart : public DocumentPart {
public:
    static constexpr int kTextField = 0;

    DialogueList& dialogue() { return dialogue_; }
    const DialogueList& dialogue() const { return dialogue_; }

    QString id() const override { return QStringLiteral("dialogue"); }
    QStringList dependencies() const override { return {QStringLiteral("expansion")}; }
    std::vector<RecordKind> kinds() const override { return {RecordKind::Message}; }
    void load(RomImage& rom) override;
    void clear() override;
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { inFile_ = dialogue_.messages; }
    bool isModified() const override;
    // Each message's script text.
    std::vector<PartField> fields() const override;

private:
    DialogueList dialogue_;
    std::vector<DialogueMessage> inFile_;
};

}  // namespace tessel
