#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QTemporaryFile;

namespace tessel {

namespace platform {

// A file of the system's temporary folder, for libraries that read or
// write only by file name. It is removed when the object goes.
class ScratchFile {
public:
    ScratchFile();
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // False, with a reason, when the file cannot be made.
    bool create(QString* reason);
    // Makes the file and writes data into it.
    bool create(const QByteArray& data, QString* reason);
    // The local path to hand the library (empty before create()).
    QString path() const;
    // The file's whole content as it is now.
    bool read(QByteArray* data, QString* reason) const;

private:
    std::unique_ptr<QTemporaryFile> file_;
};

}  // namespace platform

}  // namespace tessel
