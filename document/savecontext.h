#pragma once

#include "rom/editorflags.h"
#include "rom/expansionarea.h"
#include "rom/freespace.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace tessel {

class RomImage;

// One save in the making, shared by the parts that encode into it. Nothing
// reaches the file until every part has encoded and the image is committed,
// so a part that refuses (returns false with `reason`) leaves the file as
// it was.
struct SaveContext {
    explicit SaveContext(RomImage& image) : rom(image) {}

    RomImage& rom;
    // The file as it was before this save, for checks of what it changed.
    QByteArray original;
    // Past the 3 MB image: what lies there, and where data may still go.
    ExpansionArea expansion;
    FreeSpace space;
    // The editor flags block as this save writes it (the dialogue marks
    // its routine there); the document keeps it only when the save goes through.
    EditorFlags flags;
    QString reason;

    // Writes that wait until every part has planned its own: rooms that
    // moved blocks leave are cleared first, then the writes are made, so no
    // clear can wipe data this save wrote.
    void clearLater(std::function<void(RomImage&)> clear) { clears_.push_back(std::move(clear)); }
    void writeLater(std::function<void(RomImage&)> write) { writes_.push_back(std::move(write)); }
    void runDeferred()
    {
        for (const auto& clear : clears_)
            clear(rom);
        for (const auto& write : writes_)
            write(rom);
        clears_.clear();
        writes_.clear();
    }

    bool refuse(const QString& why)
    {
        reason = why;
        return false;
    }

private:
    std::vector<std::function<void(RomImage&)>> clears_;
    std::vector<std::function<void(RomImage&)>> writes_;
};

}  // namespace tessel
