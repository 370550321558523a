#include "records/views/pictureexport.h"

#include "text/pngfile.h"

#include <QFileDialog>

namespace pictureexport {

QString write(const QImage& picture, const QString& path)
{
    QString reason;
    if (WritePngFile(picture, path, &reason))
        return {};
    return QStringLiteral("Could not save %1: %2").arg(path, reason);
}

QString askPath(QWidget* parent, const QString& suggestedName)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export Picture"), suggestedName,
                                        QStringLiteral("PNG pictures (*.png)"));
}

}  // namespace pictureexport
