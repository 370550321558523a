#include "document/recoverystore.h"

#include "platform/fileaccess.h"
#include "rom/romaddress.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>

#include <zlib.h>

namespace tessel {

namespace {

const QString kImageSuffix = QStringLiteral(".rom");
const QString kSideSuffix = QStringLiteral(".json");
// A side file is a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxSideSize = 1024 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate("RecoveryStore", text);
}

// A damaged copy is what the check guards against, not a forged one: a
// CRC-32 tells it as well and takes a millisecond of a 4 MB image where a
// SHA-256 takes twenty-five.
QByteArray crc32Of(const QByteArray& image)
{
    const uLong crc = crc32_z(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(image.constData()),
                              z_size_t(image.size()));
    return QByteArray::number(quint32(crc), 16).rightJustified(8, '0');
}

// The image is the one the side file names.
bool matchesCheck(const RecoveryCopy& copy, const QByteArray& image)
{
    if (!copy.imageCrc32.isEmpty())
        return crc32Of(image) == copy.imageCrc32;
    return QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex() == copy.imageSha256;
}

QString isoTime(const QDateTime& time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

QJsonObject frameObject(const RecordRef& ref)
{
    QJsonObject frame{{QStringLiteral("kind"), recordKindName(ref.kind)}, {QStringLiteral("index"), ref.index}};
    if (ref.element != RecordRef::kWhole)
        frame.insert(QStringLiteral("element"), ref.element);
    return frame;
}

}  // namespace

bool romChangedSinceCopy(const RecoveryCopy& copy)
{
    const QFileInfo rom(copy.romPath);
    // The side file keeps whole seconds.
    return !rom.isFile() || rom.size() != copy.romSize || !copy.romModified.isValid() ||
           rom.lastModified().toSecsSinceEpoch() != copy.romModified.toSecsSinceEpoch();
}

QString RecoveryStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder)) {}

QString RecoveryStore::idFor(const QString& romPath)
{
    const QString absolute = QDir::cleanPath(QFileInfo(romPath).absoluteFilePath());
    return QString::fromLatin1(QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString RecoveryStore::imagePath(const RecoveryCopy& copy) const
{
    const QByteArray check = copy.imageCrc32.isEmpty() ? copy.imageSha256.left(12) : copy.imageCrc32;
    return folder_ + QLatin1Char('/') + copy.id + QLatin1Char('-') + QString::fromLatin1(check) + kImageSuffix;
}

QStringList RecoveryStore::imagesOf(const QString& id) const
{
    QStringList paths;
    const QDir dir(folder_);
    for (const QString& name : dir.entryList({id + QStringLiteral("-*") + kImageSuffix}, QDir::Files))
        paths.append(dir.filePath(name));
    return paths;
}

QString RecoveryStore::sidePath(const QString& id) const
{
    return folder_ + QLatin1Char('/') + id + kSideSuffix;
}

QByteArray RecoveryStore::sideText(const RecoveryCopy& copy)
{
    QJsonArray frames;
    for (const RecordRef& ref : copy.frames)
        frames.append(frameObject(ref));
    QJsonObject side{
        {QStringLiteral("rom"), copy.romPath},
        {QStringLiteral("romSize"), copy.romSize},
        {QStringLiteral("romModified"), isoTime(copy.romModified)},
        {QStringLiteral("copied"), isoTime(copy.copied)},
        {QStringLiteral("frames"), frames},
        {QStringLiteral("size"), copy.imageSize},
    };
    if (!copy.imageCrc32.isEmpty())
        side.insert(QStringLiteral("crc32"), QString::fromLatin1(copy.imageCrc32));
    else
        side.insert(QStringLiteral("sha256"), QString::fromLatin1(copy.imageSha256));
    return QJsonDocument(side).toJson();
}

bool RecoveryStore::parseSide(const QByteArray& text, RecoveryCopy* copy, QString* reason)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(text, &error);
    if (!json.isObject()) {
        *reason = error.error != QJsonParseError::NoError
                      ? tr("its side file is not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset)
                      : tr("its side file holds no object");
        return false;
    }
    const QJsonObject side = json.object();
    copy->romPath = side.value(QStringLiteral("rom")).toString();
    copy->romSize = side.value(QStringLiteral("romSize")).toInteger(-1);
    copy->romModified = QDateTime::fromString(side.value(QStringLiteral("romModified")).toString(), Qt::ISODate);
    copy->copied = QDateTime::fromString(side.value(QStringLiteral("copied")).toString(), Qt::ISODate);
    copy->imageSize = side.value(QStringLiteral("size")).toInteger(-1);
    copy->imageCrc32 = side.value(QStringLiteral("crc32")).toString().toLatin1();
    copy->imageSha256 = side.value(QStringLiteral("sha256")).toString().toLatin1();
    copy->frames.clear();
    for (const QJsonValue& value : side.value(QStringLiteral("frames")).toArray()) {
        const QJsonObject frame = value.toObject();
        const std::optional<RecordKind> kind = recordKindNamed(frame.value(QStringLiteral("kind")).toString());
        if (kind)
            copy->frames.push_back(RecordRef(*kind, frame.value(QStringLiteral("index")).toInt(RecordRef::kWhole),
                                             frame.value(QStringLiteral("element")).toInt(RecordRef::kWhole)));
    }
    if (copy->romPath.isEmpty() || copy->imageSize < 0 ||
        (copy->imageCrc32.size() != 8 && copy->imageSha256.size() != 64)) {
        *reason = tr("its side file lacks the ROM's path, the image's size or its hash");
        return false;
    }
    return true;
}

bool RecoveryStore::write(RecoveryCopy& copy, const QByteArray& image, QString* reason) const
{
    if (!QDir().mkpath(folder_)) {
        *reason = tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder_));
        return false;
    }
    copy.id = idFor(copy.romPath);
    copy.imageSize = image.size();
    copy.imageCrc32 = crc32Of(image);
    copy.imageSha256.clear();
    // Each image has a name of its own and the side file names the new one
    // only once it is complete, so a copy cut short anywhere leaves the
    // previous copy whole; older images go after.
    const QString path = imagePath(copy);
    if (!platform::replaceFileAtomically(path, image, reason) ||
        !platform::replaceFileAtomically(sidePath(copy.id), sideText(copy), reason))
        return false;
    for (const QString& old : imagesOf(copy.id))
        if (old != path)
            QFile::remove(old);
    return true;
}

std::vector<RecoveryCopy> RecoveryStore::list() const
{
    std::vector<RecoveryCopy> copies;
    const QStringList sides = QDir(folder_).entryList({QStringLiteral("*") + kSideSuffix}, QDir::Files, QDir::Name);
    for (const QString& name : sides) {
        const platform::FileReadResult file = platform::readFileBounded(QDir(folder_).filePath(name), kMaxSideSize);
        RecoveryCopy copy;
        QString reason;
        if (!file.ok || !parseSide(file.data, &copy, &reason))
            continue;
        copy.id = name.chopped(kSideSuffix.size());
        copies.push_back(std::move(copy));
    }
    std::stable_sort(copies.begin(), copies.end(),
                     [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.copied > b.copied; });
    return copies;
}

std::optional<RecoveryCopy> RecoveryStore::find(const QString& romPath) const
{
    const QString id = idFor(romPath);
    if (!QFileInfo::exists(sidePath(id)))
        return std::nullopt;
    const platform::FileReadResult file = platform::readFileBounded(sidePath(id), kMaxSideSize);
    RecoveryCopy copy;
    QString reason;
    // A side file that cannot be read is still a copy: it is offered, and refused when recovered.
    if (!file.ok || !parseSide(file.data, &copy, &reason))
        copy.romPath = romPath;
    copy.id = id;
    return copy;
}

bool RecoveryStore::read(const QString& id, RecoveryCopy* copy, QByteArray* image, QString* reason) const
{
    const platform::FileReadResult side = platform::readFileBounded(sidePath(id), kMaxSideSize);
    if (!side.ok) {
        *reason = tr("its side file cannot be read: %1").arg(side.reason);
        return false;
    }
    if (!parseSide(side.data, copy, reason))
        return false;
    copy->id = id;
    platform::FileReadResult file = platform::readFileBounded(imagePath(*copy), rom::kMaxFileSize);
    if (!file.ok) {
        *reason = tr("its image cannot be read: %1").arg(file.reason);
        return false;
    }
    if (file.data.size() != copy->imageSize) {
        *reason = tr("its image holds %1 bytes where %2 were written").arg(file.data.size()).arg(copy->imageSize);
        return false;
    }
    if (!matchesCheck(*copy, file.data)) {
        *reason = tr("its image differs from the one written");
        return false;
    }
    *image = std::move(file.data);
    return true;
}

bool RecoveryStore::remove(const QString& id) const
{
    const QString side = sidePath(id);
    // The side file first: an image without one is never offered.
    if (QFileInfo::exists(side))
        QFile::remove(side);
    for (const QString& image : imagesOf(id))
        QFile::remove(image);
    return !QFileInfo::exists(side) && imagesOf(id).isEmpty();
}

}  // namespace tessel
