#include "uikit/ceditorview.h"

#include "document/cff3doc.h"
#include "platform/gui/boxmessageservice.h"

CEditorView::CEditorView(CFF3Doc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {}

bool CEditorView::queryShows(quintptr) const
{
    return false;
}

void CEditorView::setSubject(quintptr) {}

quintptr CEditorView::message(quint32 id, quintptr parameter)
{
    switch (id) {
    case WM_QUERYSHOWS: return queryShows(parameter) ? 1 : 0;
    case WM_SETSUBJECT: setSubject(parameter); return 0;
    default: return 0;
    }
}

void CEditorView::showMessage(const QString& text, const QString& caption, platform::MessageIcon icon) const
{
    if (platform::MessageService* messages = doc_.messageService()) {
        messages->showMessage(text, caption, icon);
        return;
    }
    platform::BoxMessageService(window()).showMessage(text, caption, icon);
}
