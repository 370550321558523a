#include "records/views/pictureexport.h"

#include "text/pngfile.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace tessel {

namespace pictureexport {

QString write(const QImage& picture, const QString& path)
{
    QString reason;
    if (WritePngFile(picture, path, &reason))
        return {};
    return QCoreApplication::translate("PictureExport", "Could not save %1: %2").arg(path, reason);
}

QString askPath(QWidget* parent, const QString& suggestedName)
{
    return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("PictureExport", "Export Picture"),
                                        suggestedName,
                                        QCoreApplication::translate("PictureExport", "PNG pictures (*.png)"));
}

}  // namespace pictureexport

}  // namespace tessel
