#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

namespace patch {

// What making or applying a patch gives: the bytes, or why there are none.
struct PatchResult {
    QByteArray data;
    QString error;

    bool ok() const { return error.isEmpty(); }
    static PatchResult success(QByteArray bytes) { return {std::move(bytes), {}}; }
    static PatchResult failure(QString why) { return {{}, std::move(why)}; }
};

// The largest file either format is made for or produces: IPS offsets
// have three bytes, and no ROM of the console is larger.
inline constexpr qint64 kMaxPatchedSize = 0x1000000;

}  // namespace patch

}  // namespace tessel
