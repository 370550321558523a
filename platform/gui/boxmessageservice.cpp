#include "platform/gui/boxmessageservice.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>

namespace tessel {

namespace platform {

namespace {

// A message during open or save should not show the wait cursor.
int execWithArrow(QMessageBox& box)
{
    const bool waiting = QGuiApplication::overrideCursor() != nullptr;
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (waiting)
        QGuiApplication::restoreOverrideCursor();
    return answer;
}

}  // namespace

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
    execWithArrow(box);
}

bool BoxMessageService::askYesNo(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return execWithArrow(box) == QMessageBox::Yes;
}

bool BoxMessageService::askDiscard(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Cancel);
    return execWithArrow(box) == QMessageBox::Discard;
}

}  // namespace platform

}  // namespace tessel
