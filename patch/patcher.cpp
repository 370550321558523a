#include "patch/patcher.h"

#include "patch/bpspatch.h"
#include "patch/ipspatch.h"
#include "rom/copierheader.h"

#include <QCoreApplication>

namespace tessel {

using patch::PatchResult;

namespace {

// A BPS patch covers the images behind the copier headers only when both
// files have one; otherwise it covers the files as they are. Deciding per
// file would patch a header into an image or an image into a header.
bool bothHaveHeaders(qint64 first, qint64 second)
{
    return rom::hasCopierHeader(first) && rom::hasCopierHeader(second);
}

}  // namespace

std::optional<Patcher::Format> Patcher::formatOfFileName(const QString& path)
{
    if (path.endsWith(QLatin1String(".ips"), Qt::CaseInsensitive))
        return Format::Ips;
    if (path.endsWith(QLatin1String(".bps"), Qt::CaseInsensitive))
        return Format::Bps;
    return std::nullopt;
}

PatchResult Patcher::create(Format format, QByteArrayView original, QByteArrayView modified)
{
    if (format == Format::Bps && bothHaveHeaders(original.size(), modified.size())) {
        original = original.sliced(rom::kHeaderSize);
        modified = modified.sliced(rom::kHeaderSize);
    }
    if (original == modified)
        return PatchResult::failure(
            QCoreApplication::translate("Patcher",
                                        "The modified file is the same as the original: there is "
                                        "nothing to patch."));
    return format == Format::Ips ? IpsPatch::create(original, modified) : BpsPatch::create(original, modified);
}

PatchResult Patcher::apply(QByteArrayView source, QByteArrayView patch)
{
    if (IpsPatch::looksLike(patch))
        return IpsPatch::apply(source, patch);
    if (!BpsPatch::looksLike(patch))
        return PatchResult::failure(
            QCoreApplication::translate("Patcher",
                                        "This is neither an IPS patch nor a BPS patch: it starts with "
                                        "neither \"PATCH\" nor \"BPS1\"."));
    // Made from the image behind a header: the result gets this file's
    // header back, and must then read as a file with a header itself.
    const std::optional<BpsPatch::Sizes> sizes = BpsPatch::sizes(patch);
    const bool fromImage = sizes && sizes->target <= quint64(patch::kMaxPatchedSize) &&
                           rom::hasCopierHeader(source.size()) &&
                           sizes->source == quint64(source.size() - rom::kHeaderSize);
    if (!fromImage)
        return BpsPatch::apply(source, patch);
    if (!bothHaveHeaders(source.size(), qint64(sizes->target) + rom::kHeaderSize))
        return PatchResult::failure(
            QCoreApplication::translate("Patcher",
                                        "The BPS patch was made for this file's image without its copier header, "
                                        "but makes a file of %1 bytes, which cannot take the header back: it "
                                        "would not give the file it was made from.")
                .arg(sizes->target));
    PatchResult result = BpsPatch::apply(source.sliced(rom::kHeaderSize), patch);
    if (result.ok())
        result.data.prepend(source.first(rom::kHeaderSize));
    return result;
}

}  // namespace tessel
