#include "text/editors/cdialogueview.h"

#include "uikit/subjecttags.h"

CDialogueView::CDialogueView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Standard Dialogue"),
                       QStringLiteral("The game's dialogue will appear here: the list of messages and the text of the selected one."), parent)
{
}

bool CDialogueView::queryShows(quintptr subject) const
{
    return subject == kDialogueTag;
}
