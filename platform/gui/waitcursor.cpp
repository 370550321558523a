#include "platform/gui/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace tessel {

namespace platform {

WaitCursor::WaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace platform

}  // namespace tessel
