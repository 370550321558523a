#include "platform/scratchfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace tessel {

namespace platform {

ScratchFile::ScratchFile() = default;
ScratchFile::~ScratchFile() = default;

bool ScratchFile::create(QString* reason)
{
    file_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/tessel-XXXXXX"));
    if (file_->open()) {
        file_->close();
        return true;
    }
    if (reason)
        *reason = QCoreApplication::translate("FileAccess", "cannot make a temporary file: %1").arg(file_->errorString());
    file_.reset();
    return false;
}

bool ScratchFile::create(const QByteArray& data, QString* reason)
{
    if (!create(reason))
        return false;
    QFile out(path());
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(data) == data.size() && out.flush())
        return true;
    if (reason)
        *reason = QCoreApplication::translate("FileAccess", "cannot write a temporary file: %1").arg(out.errorString());
    return false;
}

QString ScratchFile::path() const
{
    return file_ ? file_->fileName() : QString();
}

bool ScratchFile::read(QByteArray* data, QString* reason) const
{
    QFile in(path());
    if (file_ && in.open(QIODevice::ReadOnly)) {
        *data = in.readAll();
        return true;
    }
    if (reason)
        *reason = QCoreApplication::translate("FileAccess", "cannot read a temporary file: %1").arg(in.errorString());
    return false;
}

}  // namespace platform

}  // namespace tessel
