#pragma once

#include <QString>

namespace tessel {

// The one wording of "this file could not be opened or saved" reports.
namespace platform {

enum class FileAction { Open, Save };

QString fileErrorReport(FileAction action, const QString& path, const QString& reason);

}  // namespace platform

}  // namespace tessel
