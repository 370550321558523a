#include "events/scriptlisting.h"

#include "events/eventtables.h"
#include "events/listingwriter.h"
#include "events/scriptreferences.h"
#include "rom/romimage.h"

#include <algorithm>

namespace tessel {

namespace events {

namespace {

constexpr std::size_t kContinuation = 15;

// Length of "CA/1234: 4B    " and of the deeper queue-command prefix.
std::size_t prefixLength(EntryKind kind)
{
    return kind == EntryKind::QueueCommand ? 18 : 15;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string_view withoutNewline(std::string_view text)
{
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    return text;
}

}  // namespace

class ScriptListing::Recorder : public EntryObserver {
public:
    explicit Recorder(ScriptListing& listing) : listing_(listing) {}

    void beginEntry(EntryKind kind, SnesAddress address, qint64 position, std::size_t lineStart) override
    {
        if (listing_.entries_.empty())
            firstPosition_ = position;
        listing_.entries_.push_back(
            {kind, address, quint32(position - firstPosition_), quint32(lineStart), 0});
    }
    void beginMessageLine(std::size_t lineStart) override
    {
        if (!listing_.entries_.empty())
            listing_.entries_.back().messageLine = quint32(lineStart);
    }
    qint64 firstPosition() const { return firstPosition_; }

private:
    ScriptListing& listing_;
    qint64 firstPosition_ = 0;
};

ScriptListing ScriptListing::build(RomImage& rom, const EventTables& tables)
{
    ScriptListing listing;
    listing.entries_.reserve(120000);
    ListingWriter out;
    // The sample's listing is about 8 MB, the game's a little more.
    out.reserve(std::size_t(16) << 20);
    Recorder recorder(listing);
    EventLister lister(rom, tables);
    lister.setObserver(&recorder);
    lister.listAll(out);
    listing.text_ = out.take();

    // The walk reads past the file as zeros; so does this.
    const qint64 first = recorder.firstPosition();
    listing.bytesEnd_ = quint32(std::max<qint64>(rom.position() - first, 0));
    rom.seekOffset(first);
    listing.bytes_ = rom.readBytes(listing.bytesEnd_);
    return listing;
}

std::span<const quint8> ScriptListing::bytes(int i) const
{
    const quint32 start = entries_[std::size_t(i)].byteStart;
    const quint32 end = i + 1 < size() ? entries_[std::size_t(i) + 1].byteStart : bytesEnd_;
    return {reinterpret_cast<const quint8*>(bytes_.constData()) + start, end - start};
}

QByteArray ScriptListing::byteArray(int i) const
{
    const std::span<const quint8> b = bytes(i);
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

std::size_t ScriptListing::lineEnd(int i) const
{
    return i + 1 < size() ? entries_[std::size_t(i) + 1].lineStart : text_.size();
}

std::string_view ScriptListing::lines(int i) const
{
    const std::size_t start = entries_[std::size_t(i)].lineStart;
    return std::string_view(text_).substr(start, lineEnd(i) - start);
}

QString ScriptListing::commandText(int i) const
{
    const Entry& e = entries_[std::size_t(i)];
    const std::size_t start = e.lineStart + prefixLength(e.kind);
    const std::size_t end = e.messageLine ? e.messageLine : lineEnd(i);
    if (end <= start)
        return QString();
    QString text = fromUtf8(withoutNewline(std::string_view(text_).substr(start, end - start)));
    text.replace(QLatin1Char('\n') + QString(qsizetype(kContinuation), QLatin1Char(' ')), QStringLiteral("\n"));
    return text;
}

QString ScriptListing::messageText(int i) const
{
    const Entry& e = entries_[std::size_t(i)];
    if (!e.messageLine)
        return QString();
    const std::size_t start = e.messageLine + kContinuation;
    const std::size_t end = lineEnd(i);
    return end > start ? fromUtf8(withoutNewline(std::string_view(text_).substr(start, end - start))) : QString();
}

QList<RecordRef> ScriptListing::references(int i) const
{
    return referencesOf(kind(i), address(i), bytes(i));
}

int ScriptListing::indexAt(SnesAddress address) const
{
    if (entries_.empty() || address < entries_.front().address)
        return -1;
    const auto after = std::upper_bound(entries_.begin(), entries_.end(), address,
                                        [](SnesAddress a, const Entry& e) { return a < e.address; });
    const int i = int(after - entries_.begin()) - 1;
    return address < entries_[std::size_t(i)].address + bytes(i).size() ? i : -1;
}

QList<int> ScriptListing::referencing(const RecordRef& ref) const
{
    QList<int> found;
    for (int i = 0; i < size(); ++i) {
        for (const RecordRef& r : references(i)) {
            if (ref.covers(r)) {
                found.append(i);
                break;
            }
        }
    }
    return found;
}

}  // namespace events

}  // namespace tessel
