#include "platform/gui/boxmessageservice.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>

namespace platform {

void BoxMessageService::showMessage(const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None: boxIcon = QMessageBox::NoIcon; break;
    case MessageIcon::Information: boxIcon = QMessageBox::Information; break;
    case MessageIcon::Warning: boxIcon = QMessageBox::Warning; break;
    case MessageIcon::Error: boxIcon = QMessageBox::Critical; break;
    }
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, parent_);
    // A message during open or save should not show the wait cursor.
    const bool waiting = QGuiApplication::overrideCursor() != nullptr;
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (waiting)
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace platform
