#include "patch/patcher.h"

#include "patch/bpspatch.h"
#include "patch/ipspatch.h"
#include "rom/copierheader.h"

#include <QCoreApplication>

namespace tessel {

using patch::PatchResult;

namespace {

QByteArrayView withoutHeader(QByteArrayView file)
{
    return rom::hasCopierHeader(file.size()) ? file.sliced(rom::kHeaderSize) : file;
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
    if (format == Format::Bps) {
        original = withoutHeader(original);
        modified = withoutHeader(modified);
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
    if (!rom::hasCopierHeader(source.size()))
        return BpsPatch::apply(source, patch);
    PatchResult result = BpsPatch::apply(source.sliced(rom::kHeaderSize), patch);
    if (result.ok())
        result.data.prepend(source.first(rom::kHeaderSize));
    return result;
}

}  // namespace tessel
