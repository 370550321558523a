#include "platform/gui/boxmessageservice.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

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

int BoxMessageService::askChoice(const QString& text, const QString& caption, const QStringList& choices)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent_);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    box.addButton(QMessageBox::Cancel);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    execWithArrow(box);
    return int(buttons.indexOf(box.clickedButton()));
}

}  // namespace platform

}  // namespace tessel
