#include "events/entrytext.h"

#include "events/eventcommandtable.h"
#include "events/eventtables.h"
#include "events/listingwriter.h"
#include "rom/romimage.h"

#include <vector>

namespace tessel {

namespace events {

namespace {

constexpr qsizetype kContinuation = 15;

// Where the entries of the one command listed begin in the text.
class Starts : public EntryObserver {
public:
    void beginEntry(EntryKind, SnesAddress address, qint64, std::size_t lineStart) override
    {
        entries.push_back({address, lineStart});
    }
    void beginMessageLine(std::size_t lineStart) override { messageLine = lineStart; }

    struct Start {
        SnesAddress address;
        std::size_t lineStart;
    };
    std::vector<Start> entries;
    std::size_t messageLine = 0;
};

}  // namespace

QString entryText(EntryKind kind, SnesAddress address, std::span<const quint8> bytes, const EventTables& tables)
{
    if (bytes.empty())
        return QString();
    // What the entry needs before it to be read as it is in the listing.
    QByteArray before;
    if (kind == EntryKind::QueueCommand)
        before = QByteArray::fromRawData("\x00", 1) + char(bytes.size());  // a queue that long
    else if (kind == EntryKind::DataRow)
        before = QByteArray::fromRawData("\x73\x00\x00\x01", 4) + char(bytes.size());  // one row that wide
    const SnesAddress start = address - SnesAddress(before.size());

    QByteArray image(rom::fileOffset(address) + qsizetype(bytes.size()), '\0');
    image.replace(rom::fileOffset(start), before.size(), before);
    image.replace(rom::fileOffset(address), qsizetype(bytes.size()),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    RomImage rom;
    rom.openInMemory(std::move(image), RomImage::Mode::Loading);
    rom.SeekSnes(start);

    EventLister lister(rom, tables);
    Starts starts;
    lister.setObserver(&starts);
    if (kind == EntryKind::Command && mainCommands()[bytes[0]].kind == Kind::IndexedBranch)
        lister.setChoices(int(bytes.size() - 1) / 3);
    ListingWriter out;
    lister.listCommand(out);

    const std::string_view text = out.text();
    for (std::size_t e = 0; e < starts.entries.size(); ++e) {
        if (starts.entries[e].address != address)
            continue;
        const std::size_t from = starts.entries[e].lineStart + (kind == EntryKind::QueueCommand ? 18 : 15);
        std::size_t to = e + 1 < starts.entries.size() ? starts.entries[e + 1].lineStart : text.size();
        if (starts.messageLine > from)
            to = std::min(to, starts.messageLine);
        if (to <= from)
            return QString();
        QString line = QString::fromUtf8(text.data() + from, qsizetype(to - from));
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        line.replace(QLatin1Char('\n') + QString(kContinuation, QLatin1Char(' ')), QStringLiteral("\n"));
        return line;
    }
    return QString();
}

}  // namespace events

}  // namespace tessel
