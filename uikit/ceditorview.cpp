#include "uikit/ceditorview.h"

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
