#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace tessel {

namespace platform {
class FileChooser;
}

// "Export Picture..." of the monster and formation editors: the picture as
// shown, written as a PNG file (transparent where nothing is drawn).
namespace pictureexport {

// Writes the picture; on failure returns the message for the user (empty
// on success), and any file at `path` is left as it was.
QString write(const QImage& picture, const QString& path);
// Asks for the file, suggesting `suggestedName`; empty when cancelled.
QString askPath(platform::FileChooser& files, QWidget* parent, const QString& suggestedName);

}  // namespace pictureexport

}  // namespace tessel
