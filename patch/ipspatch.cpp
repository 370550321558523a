#include "patch/ipspatch.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <QCoreApplication>

namespace tessel {

using patch::PatchResult;

namespace {

constexpr char kMagic[] = "PATCH";
constexpr int kMagicSize = 5;
constexpr char kEndMarker[] = "EOF";
constexpr int kRecordHeader = 5;      // offset and size
constexpr int kRunRecordSize = 8;     // offset, zero size, count, value
constexpr qint64 kMaxRecordSize = 0xFFFF;
// Unchanged gaps up to a record header's size cost no more inside a record.
constexpr qint64 kMergeGap = kRecordHeader;
// Records may rewrite the same bytes; a patch that writes this much more
// than any file can hold is damaged or hostile.
constexpr qint64 kMaxBytesWritten = 16 * patch::kMaxPatchedSize;

struct Span {
    qint64 start;
    qint64 end;
};

struct Segment {
    qint64 start;
    qint64 end;
    bool run;  // all bytes are modified[start]
};

quint64 load64(const char* p)
{
    quint64 value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// The first position from `from` on where a and b differ, or `limit`.
qint64 nextDifference(const char* a, const char* b, qint64 from, qint64 limit)
{
    qint64 i = from;
    while (i + 8 <= limit && load64(a + i) == load64(b + i))
        i += 8;
    while (i < limit && a[i] == b[i])
        ++i;
    return i;
}

// The changed stretches of modified; every byte past the original's end
// counts as changed. Stretches closer than kMergeGap are joined.
std::vector<Span> changedSpans(QByteArrayView original, QByteArrayView modified)
{
    std::vector<Span> spans;
    const qint64 common = std::min(original.size(), modified.size());
    qint64 i = 0;
    while (true) {
        i = nextDifference(original.data(), modified.data(), i, common);
        if (i >= common)
            break;
        qint64 end = i + 1;
        while (end < common && original[end] != modified[end])
            ++end;
        if (!spans.empty() && i - spans.back().end <= kMergeGap)
            spans.back().end = end;
        else
            spans.push_back({i, end});
        i = end;
    }
    if (modified.size() > common) {
        if (!spans.empty() && common - spans.back().end <= kMergeGap)
            spans.back().end = modified.size();
        else
            spans.push_back({common, modified.size()});
    }
    return spans;
}

// Splits a span into literal stretches and runs of one value, taking a run
// out where a run-length record is shorter than carrying the bytes: alone
// it replaces a 5-byte header and n bytes by 8 bytes; at either end of a
// literal it also saves n bytes but adds 8; in the middle it adds 13.
void splitIntoSegments(QByteArrayView modified, const Span& span, std::vector<Segment>& out)
{
    qint64 literalStart = span.start;
    qint64 i = span.start;
    while (i < span.end) {
        qint64 j = i + 1;
        while (j < span.end && modified[j] == modified[i])
            ++j;
        const bool atStart = i == literalStart;
        const bool atEnd = j == span.end;
        const qint64 worthAbove = atStart && atEnd ? kRunRecordSize - kRecordHeader
                                  : atStart || atEnd ? kRunRecordSize
                                                     : kRunRecordSize + kRecordHeader;
        if (j - i > worthAbove) {
            if (literalStart < i)
                out.push_back({literalStart, i, false});
            out.push_back({i, j, true});
            literalStart = j;
        }
        i = j;
    }
    if (literalStart < span.end)
        out.push_back({literalStart, span.end, false});
}

// A record starting at kEofOffset would read as the end marker: start the
// change one byte earlier, taking that byte from the segment before.
void avoidEofOffset(QByteArrayView modified, std::vector<Segment>& segments)
{
    constexpr qint64 eof = IpsPatch::kEofOffset;
    const auto at = std::find_if(segments.begin(), segments.end(), [](const Segment& s) { return s.start == eof; });
    if (at == segments.end())
        return;
    if (!(at->run && modified[eof - 1] == modified[eof]))
        at->run = false;
    at->start = eof - 1;
    if (at != segments.begin()) {
        auto before = at - 1;
        if (before->end > eof - 1) {
            before->end = eof - 1;
            if (before->start == before->end)
                segments.erase(before);
        }
    }
}

void appendNumber(QByteArray& out, quint32 value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char(value >> shift));
}

// Emits a segment in records of at most 0xFFFF bytes, none starting at kEofOffset.
void appendRecords(QByteArray& out, QByteArrayView modified, const Segment& segment)
{
    qint64 at = segment.start;
    while (at < segment.end) {
        qint64 size = std::min(kMaxRecordSize, segment.end - at);
        if (at + size == IpsPatch::kEofOffset && at + size < segment.end)
            --size;
        appendNumber(out, quint32(at), 3);
        if (segment.run) {
            appendNumber(out, 0, 2);
            appendNumber(out, quint32(size), 2);
            out.append(modified[segment.start]);
        } else {
            appendNumber(out, quint32(size), 2);
            out.append(modified.sliced(at, size));
        }
        at += size;
    }
}

// Reads the patch front to back; every read says whether the bytes were there.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : bytes_(bytes) {}
    qint64 position() const { return pos_; }
    qint64 left() const { return bytes_.size() - pos_; }
    bool number(int size, quint32* value)
    {
        if (left() < size)
            return false;
        *value = 0;
        for (int i = 0; i < size; ++i)
            *value = (*value << 8) | quint8(bytes_[pos_ + i]);
        pos_ += size;
        return true;
    }
    bool bytes(qint64 size, QByteArrayView* out)
    {
        if (left() < size)
            return false;
        *out = bytes_.sliced(pos_, size);
        pos_ += size;
        return true;
    }

private:
    QByteArrayView bytes_;
    qint64 pos_ = 0;
};

QString hexOffset(qint64 offset)
{
    return QStringLiteral("0x") + QString::number(offset, 16).toUpper().rightJustified(6, QLatin1Char('0'));
}

PatchResult truncatedAt(qint64 position)
{
    return PatchResult::failure(
        QCoreApplication::translate("IpsPatch",
                                    "The IPS patch is truncated: it ends at byte %1, in the middle of a record "
                                    "or before its \"EOF\" marker.")
            .arg(position));
}

}  // namespace

bool IpsPatch::looksLike(QByteArrayView patch)
{
    return patch.startsWith(QByteArrayView(kMagic, kMagicSize));
}

PatchResult IpsPatch::create(QByteArrayView original, QByteArrayView modified)
{
    if (modified.size() > patch::kMaxPatchedSize ||
        (modified.size() < original.size() && modified.size() > 0xFFFFFF))
        return PatchResult::failure(QCoreApplication::translate(
            "IpsPatch", "The modified file is larger than 16 MB, more than an IPS patch can address."));
    // Such a patch would empty whatever file it is applied to.
    if (modified.isEmpty() && !original.isEmpty())
        return PatchResult::failure(QCoreApplication::translate(
            "IpsPatch", "The modified file is empty; an IPS patch that cuts a file to nothing is refused."));

    std::vector<Segment> segments;
    for (const Span& span : changedSpans(original, modified))
        splitIntoSegments(modified, span, segments);
    avoidEofOffset(modified, segments);

    QByteArray out(kMagic, kMagicSize);
    for (const Segment& segment : segments)
        appendRecords(out, modified, segment);
    out.append(kEndMarker);
    if (modified.size() < original.size())
        appendNumber(out, quint32(modified.size()), 3);
    return PatchResult::success(std::move(out));
}

PatchResult IpsPatch::apply(QByteArrayView source, QByteArrayView patch)
{
    if (!looksLike(patch)) {
        if (QByteArrayView(kMagic, kMagicSize).startsWith(patch))
            return truncatedAt(patch.size());
        return PatchResult::failure(
            QCoreApplication::translate("IpsPatch", "This is not an IPS patch: it does not start with \"PATCH\"."));
    }
    QByteArray result = source.toByteArray();
    Reader reader(patch.sliced(kMagicSize));
    const auto position = [&] { return kMagicSize + reader.position(); };
    qint64 written = 0;
    while (true) {
        quint32 offset = 0;
        if (!reader.number(3, &offset))
            return truncatedAt(patch.size());
        if (offset == quint32(kEofOffset))
            break;
        quint32 size = 0;
        quint32 count = 0;
        quint32 value = 0;
        QByteArrayView data;
        if (!reader.number(2, &size))
            return truncatedAt(patch.size());
        const bool run = size == 0;
        if (run && (!reader.number(2, &count) || !reader.number(1, &value)))
            return truncatedAt(patch.size());
        if (!run && !reader.bytes(size, &data))
            return truncatedAt(patch.size());
        const qint64 length = run ? count : size;
        if (offset + length > patch::kMaxPatchedSize)
            return PatchResult::failure(
                QCoreApplication::translate("IpsPatch", "The IPS patch is damaged: its record at %1 writes past 16 MB.")
                    .arg(hexOffset(offset)));
        if (run && count == 0)
            return PatchResult::failure(
                QCoreApplication::translate("IpsPatch",
                                            "The IPS patch is damaged: its run-length record at %1 is empty.")
                    .arg(hexOffset(offset)));
        written += length;
        if (written > kMaxBytesWritten)
            return PatchResult::failure(
                QCoreApplication::translate("IpsPatch", "The IPS patch is damaged: its records write more than %1 MB.")
                    .arg(kMaxBytesWritten >> 20));
        if (result.size() < offset + length)
            result.resize(offset + length, '\0');
        if (run)
            std::memset(result.data() + offset, int(value), size_t(count));
        else
            std::memcpy(result.data() + offset, data.data(), size_t(size));
    }
    if (reader.left() == 3) {
        quint32 length = 0;
        reader.number(3, &length);
        if (length == 0)
            return PatchResult::failure(QCoreApplication::translate(
                "IpsPatch", "The IPS patch is damaged: it would cut the file to nothing."));
        result.resize(length, '\0');
    } else if (reader.left() != 0) {
        return PatchResult::failure(
            QCoreApplication::translate("IpsPatch",
                                        "The IPS patch is damaged: %1 stray bytes follow its \"EOF\" marker "
                                        "at byte %2.")
                .arg(reader.left())
                .arg(position() - 3));
    }
    return PatchResult::success(std::move(result));
}

}  // namespace tessel
