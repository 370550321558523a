#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

// What add-header and strip-header share: both copy a ROM file IN to a new
// file OUT. Failures are printed on stderr.
namespace cli {

// Reads IN whole (no larger than a ROM file may be), refusing an OUT that
// would overwrite it.
bool readCopySource(const QString& in, const QString& out, QByteArray* data);
// Writes OUT atomically; gives the exit code.
int writeCopy(const QString& out, const QByteArray& data);
// Prints `text`, a printf format with one %s for the path, and gives
// kExitFailed.
int refuseCopy(const char* text, const QString& path);

}  // namespace cli

}  // namespace tessel
