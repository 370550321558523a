#include "compare/areadiffs.h"
#include "compare/romregions.h"

#include "document/cff3doc.h"

#include <algorithm>

namespace tessel {

namespace comparearea {

namespace {

using romregions::FileRange;

// Byte `i` of a file; past its end a file reads as zeros, as the area
// past the image does before a save grows the file.
inline quint8 byteAt(const QByteArray& file, qint64 i)
{
    return i < file.size() ? quint8(file[i]) : 0;
}

}  // namespace

void compareBytes(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out)
{
    const QByteArray& a = before.openedBytes();
    const QByteArray& b = after.openedBytes();
    if (a.isEmpty() || b.isEmpty())
        return;
    std::vector<FileRange> decoded = romregions::decodedRanges(before, a);
    const std::vector<FileRange> decodedAfter = romregions::decodedRanges(after, b);
    decoded.insert(decoded.end(), decodedAfter.begin(), decodedAfter.end());
    romregions::merge(decoded);

    const qint64 length = std::max(a.size(), b.size());
    const qint64 common = std::min(a.size(), b.size());
    auto next = decoded.begin();
    qint64 i = 0;
    while (i < length) {
        // Whole equal blocks are skipped at once.
        if (i + 64 <= common && std::equal(a.constData() + i, a.constData() + i + 64, b.constData() + i)) {
            i += 64;
            continue;
        }
        if (byteAt(a, i) == byteAt(b, i)) {
            ++i;
            continue;
        }
        while (next != decoded.end() && next->end <= i)
            ++next;
        if (next != decoded.end() && next->start <= i) {
            i = next->end;  // told by meaning
            continue;
        }
        qint64 regionEnd = 0;
        const QString region = romregions::regionAt(i, &regionEnd);
        const qint64 limit = std::min({length, regionEnd, next != decoded.end() ? next->start : length});
        qint64 end = i + 1;
        while (end < limit && byteAt(a, end) != byteAt(b, end))
            ++end;
        RomChange change;
        change.area = QStringLiteral("bytes");
        change.subject = RecordRef::address(rom::snesAddress(i));
        change.start = i;
        change.end = end;
        change.region = region;
        out.push_back(std::move(change));
        i = end;
    }
}

}  // namespace comparearea

}  // namespace tessel
