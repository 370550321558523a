#include "records/views/pictureexport.h"

#include "platform/gui/filechooser.h"
#include "text/pngfile.h"

#include <QCoreApplication>

namespace tessel {

namespace pictureexport {

QString write(const QImage& picture, const QString& path)
{
    QString reason;
    if (WritePngFile(picture, path, &reason))
        return {};
    return QCoreApplication::translate("PictureExport", "Could not save %1: %2").arg(path, reason);
}

QString askPath(platform::FileChooser& files, QWidget* parent, const QString& suggestedName)
{
    return files.saveFileName(parent, QCoreApplication::translate("PictureExport", "Export Picture"), suggestedName,
                              QCoreApplication::translate("PictureExport", "PNG pictures (*.png)"), nullptr,
                              QStringLiteral("png"));
}

}  // namespace pictureexport

}  // namespace tessel
