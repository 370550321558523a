#pragma once

#include "document/documentpart.h"
#include "rom/editorflags.h"

namespace tessel {

// The 128-byte editor flags block inside the copier header, written last
// by every save (the dialogue marks its routine there).
class EditorFlagsPart : public DocumentPart {
public:
    EditorFlags& flags() { return flags_; }
    const EditorFlags& flags() const { return flags_; }

    QString id() const override { return QStringLiteral("flags"); }
    QStringList dependencies() const override { return {QStringLiteral("dialogue")}; }
    std::vector<RecordKind> kinds() const override { return {RecordKind::EditorFlags}; }
    void load(RomImage& rom) override;
    void clear() override { flags_ = {}; inFile_ = {}; }
    void beginSave(SaveContext& save) override;
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override;
    bool isModified() const override { return flags_.bytes != inFile_.bytes; }
    // One field per byte, in hexadecimal.
    std::vector<PartField> fields() const override;

private:
    EditorFlags flags_;
    EditorFlags inFile_;
};

}  // namespace tessel
