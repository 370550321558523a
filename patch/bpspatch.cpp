#include "patch/bpspatch.h"

#include "patch/bpsdiff.h"
#include "patch/bpsnumber.h"
#include "patch/crc32.h"

#include <cstring>

#include <QCoreApplication>

namespace tessel {

using patch::PatchResult;

namespace {

constexpr char kMagic[] = "BPS1";
constexpr int kMagicSize = 4;
constexpr int kFooterSize = 12;  // three CRC32s
constexpr int kSmallestPatch = kMagicSize + 3 + kFooterSize;

void appendLe32(QByteArray& out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char(value >> (8 * i)));
}

quint32 le32(QByteArrayView bytes, qint64 at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

QString hex32(quint32 value)
{
    return QString::number(value, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

PatchResult truncated()
{
    return PatchResult::failure(
        QCoreApplication::translate("BpsPatch",
                                    "The BPS patch is truncated: it ends before its last action "
                                    "and its checksums."));
}

PatchResult damaged(const QString& what)
{
    return PatchResult::failure(QCoreApplication::translate("BpsPatch", "The BPS patch is damaged: %1.").arg(what));
}

// Runs the action stream between pos and end. Without an output it only
// walks the stream, to tell a truncated patch from a damaged one.
class ActionRunner {
public:
    enum class Outcome { Done, RanOut, Damaged };

    ActionRunner(QByteArrayView patch, qint64 pos, qint64 end, QByteArrayView source, qint64 targetSize)
        : patch_(patch), pos_(pos), end_(end), source_(source), targetSize_(targetSize)
    {
    }

    Outcome run(char* out)
    {
        qint64 made = 0;
        qint64 sourceRelative = 0;
        qint64 targetRelative = 0;
        while (made < targetSize_) {
            const qint64 actionAt = pos_;
            quint64 data = 0;
            if (!readNumber(&data))
                return outcome_;
            const int command = int(data & 3);
            const quint64 length = (data >> 2) + 1;
            if (length > quint64(targetSize_ - made))
                return fail(QCoreApplication::translate(
                                "BpsPatch", "the action at byte %1 reaches past the end of the %2-byte result")
                                .arg(actionAt)
                                .arg(targetSize_));
            const auto n = qint64(length);
            switch (command) {
            case BpsPatch::SourceRead:
                if (made + n > source_.size())
                    return fail(QCoreApplication::translate("BpsPatch",
                                                            "the action at byte %1 reads past the end of the source")
                                    .arg(actionAt));
                if (out)
                    std::memcpy(out + made, source_.data() + made, size_t(n));
                break;
            case BpsPatch::TargetRead:
                if (end_ - pos_ < n)
                    return Outcome::RanOut;
                if (out)
                    std::memcpy(out + made, patch_.data() + pos_, size_t(n));
                pos_ += n;
                break;
            case BpsPatch::SourceCopy:
            case BpsPatch::TargetCopy: {
                quint64 offset = 0;
                if (!readNumber(&offset))
                    return outcome_;
                const qint64 delta = (offset & 1) ? -qint64(offset >> 1) : qint64(offset >> 1);
                if (command == BpsPatch::SourceCopy) {
                    sourceRelative += delta;
                    if (sourceRelative < 0 || sourceRelative > source_.size() - n)
                        return fail(
                            QCoreApplication::translate("BpsPatch", "the copy at byte %1 reads outside the source")
                                .arg(actionAt));
                    if (out)
                        std::memcpy(out + made, source_.data() + sourceRelative, size_t(n));
                    sourceRelative += n;
                } else {
                    targetRelative += delta;
                    if (targetRelative < 0 || targetRelative >= made)
                        return fail(QCoreApplication::translate("BpsPatch",
                                                                "the copy at byte %1 reads result bytes not yet made")
                                        .arg(actionAt));
                    // Byte by byte: an overlapping copy repeats what it has just made.
                    if (out)
                        for (qint64 i = 0; i < n; ++i)
                            out[made + i] = out[targetRelative + i];
                    targetRelative += n;
                }
                break;
            }
            }
            made += n;
        }
        if (pos_ != end_)
            return fail(
                QCoreApplication::translate("BpsPatch", "%1 stray bytes lie between its last action and its checksums")
                    .arg(end_ - pos_));
        return Outcome::Done;
    }

    const QString& problem() const { return problem_; }

private:
    bool readNumber(quint64* value)
    {
        switch (bpsnumber::read(patch_, pos_, end_, value)) {
        case bpsnumber::ReadResult::Ok: return true;
        case bpsnumber::ReadResult::RanOut: outcome_ = Outcome::RanOut; return false;
        case bpsnumber::ReadResult::TooLarge: break;
        }
        fail(QCoreApplication::translate("BpsPatch", "a number at byte %1 is too large").arg(pos_));
        return false;
    }

    Outcome fail(const QString& problem)
    {
        problem_ = problem;
        outcome_ = Outcome::Damaged;
        return outcome_;
    }

    QByteArrayView patch_;
    qint64 pos_;
    qint64 end_;
    QByteArrayView source_;
    qint64 targetSize_;
    Outcome outcome_ = Outcome::Done;
    QString problem_;
};

}  // namespace

bool BpsPatch::looksLike(QByteArrayView patch)
{
    return patch.startsWith(QByteArrayView(kMagic, kMagicSize));
}

std::optional<BpsPatch::Sizes> BpsPatch::sizes(QByteArrayView patch)
{
    if (!looksLike(patch) || patch.size() < kSmallestPatch)
        return std::nullopt;
    qint64 pos = kMagicSize;
    Sizes sizes;
    for (quint64* size : {&sizes.source, &sizes.target})
        if (bpsnumber::read(patch, pos, patch.size() - kFooterSize, size) != bpsnumber::ReadResult::Ok)
            return std::nullopt;
    return sizes;
}

PatchResult BpsPatch::create(QByteArrayView source, QByteArrayView target)
{
    if (source.size() > patch::kMaxPatchedSize || target.size() > patch::kMaxPatchedSize)
        return PatchResult::failure(
            QCoreApplication::translate("BpsPatch", "The files are larger than 16 MB; no ROM file is that large."));
    QByteArray out(kMagic, kMagicSize);
    bpsnumber::append(out, quint64(source.size()));
    bpsnumber::append(out, quint64(target.size()));
    bpsnumber::append(out, 0);  // no metadata
    out.append(BpsDiff::actions(source, target));
    appendLe32(out, patch::crc32(source));
    appendLe32(out, patch::crc32(target));
    appendLe32(out, patch::crc32(out));
    return PatchResult::success(std::move(out));
}

PatchResult BpsPatch::apply(QByteArrayView source, QByteArrayView patch)
{
    if (!looksLike(patch)) {
        if (QByteArrayView(kMagic, kMagicSize).startsWith(patch))
            return truncated();
        return PatchResult::failure(
            QCoreApplication::translate("BpsPatch", "This is not a BPS patch: it does not start with \"BPS1\"."));
    }
    if (patch.size() < kSmallestPatch)
        return truncated();
    const qint64 end = patch.size() - kFooterSize;
    qint64 pos = kMagicSize;
    quint64 sizes[3] = {};  // source, target, metadata
    for (quint64& size : sizes) {
        const bpsnumber::ReadResult read = bpsnumber::read(patch, pos, end, &size);
        if (read == bpsnumber::ReadResult::RanOut)
            return truncated();
        if (read == bpsnumber::ReadResult::TooLarge)
            return damaged(QCoreApplication::translate("BpsPatch", "its header holds a number too large for any file"));
    }
    const quint64 sourceSize = sizes[0];
    const quint64 targetSize = sizes[1];
    if (targetSize > quint64(patch::kMaxPatchedSize))
        return PatchResult::failure(
            QCoreApplication::translate("BpsPatch",
                                        "The BPS patch makes a file of %1 bytes, larger than 16 MB, "
                                        "which no ROM file is.")
                .arg(targetSize));
    if (sizes[2] > quint64(end - pos))
        return truncated();
    pos += qint64(sizes[2]);

    const quint32 patchCrc = patch::crc32(patch.first(patch.size() - 4));
    if (patchCrc != le32(patch, end + 8)) {
        ActionRunner walk(patch, pos, end, source, qint64(targetSize));
        if (walk.run(nullptr) == ActionRunner::Outcome::RanOut)
            return truncated();
        return damaged(QCoreApplication::translate("BpsPatch", "its CRC32 should be %1 but its contents give %2")
                           .arg(hex32(le32(patch, end + 8)), hex32(patchCrc)));
    }

    const quint32 expectedSourceCrc = le32(patch, end);
    const quint32 sourceCrc = patch::crc32(source);
    if (quint64(source.size()) != sourceSize || sourceCrc != expectedSourceCrc)
        return PatchResult::failure(
            QCoreApplication::translate(
                "BpsPatch",
                "The BPS patch was made for a different file: it expects %1 bytes with CRC32 %2, "
                "and this file has %3 bytes with CRC32 %4.")
                .arg(sourceSize)
                .arg(hex32(expectedSourceCrc))
                .arg(source.size())
                .arg(hex32(sourceCrc)));

    QByteArray result(qsizetype(targetSize), Qt::Uninitialized);
    ActionRunner runner(patch, pos, end, source, qint64(targetSize));
    switch (runner.run(result.data())) {
    case ActionRunner::Outcome::Done: break;
    case ActionRunner::Outcome::RanOut: return truncated();
    case ActionRunner::Outcome::Damaged: return damaged(runner.problem());
    }
    const quint32 targetCrc = patch::crc32(result);
    if (targetCrc != le32(patch, end + 4))
        return damaged(QCoreApplication::translate("BpsPatch", "the result's CRC32 is %1 instead of %2")
                           .arg(hex32(targetCrc), hex32(le32(patch, end + 4))));
    return PatchResult::success(std::move(result));
}

}  // namespace tessel
