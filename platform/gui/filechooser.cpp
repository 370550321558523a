#include "platform/gui/filechooser.h"

#include <QFileDialog>

namespace tessel {

namespace platform {

QString FileChooser::openFileName(QWidget* parent, const QString& caption, const QString& start,
                                  const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

QString FileChooser::saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                  const QString& filter, QString* selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter, selectedFilter);
}

}  // namespace platform

}  // namespace tessel
