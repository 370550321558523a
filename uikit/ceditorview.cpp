#include "uikit/ceditorview.h"

#include "document/cff3doc.h"
#include "platform/gui/boxmessageservice.h"
#include "platform/gui/filechooser.h"
#include "uikit/cpropertytree.h"
#include "uikit/gamenamelist.h"

namespace tessel {

CEditorView::CEditorView(CFF3Doc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {}

bool CEditorView::queryShows(const RecordRef& subject) const
{
    return subject.isValid() && subject.kind == subjectKind();
}

void CEditorView::setSubject(const RecordRef&) {}

platform::FileChooser& CEditorView::fileChooser() const
{
    static platform::FileChooser system;
    return files_ ? *files_ : system;
}

bool CEditorView::message(quint32 id, const RecordRef& subject)
{
    switch (id) {
    case WM_QUERYSHOWS: return queryShows(subject);
    case WM_SETSUBJECT: setSubject(subject); return true;
    default: return false;
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

bool CEditorView::askYesNo(const QString& text, const QString& caption) const
{
    if (platform::MessageService* messages = doc_.messageService())
        return messages->askYesNo(text, caption);
    return platform::BoxMessageService(window()).askYesNo(text, caption);
}

bool CEditorView::askDiscard(const QString& text, const QString& caption) const
{
    if (platform::MessageService* messages = doc_.messageService())
        return messages->askDiscard(text, caption);
    return platform::BoxMessageService(window()).askDiscard(text, caption);
}

int CEditorView::askChoice(const QString& text, const QString& caption, const QStringList& choices) const
{
    if (platform::MessageService* messages = doc_.messageService())
        return messages->askChoice(text, caption, choices);
    return platform::BoxMessageService(window()).askChoice(text, caption, choices);
}

void CEditorView::forwardGoToRequests()
{
    for (CPropertyTree* tree : findChildren<CPropertyTree*>())
        connect(tree, &CPropertyTree::subjectRequested, this, &CEditorView::subjectRequested, Qt::UniqueConnection);
    for (GameNameList* list : findChildren<GameNameList*>())
        connect(list, &GameNameList::subjectRequested, this, &CEditorView::subjectRequested, Qt::UniqueConnection);
}

}  // namespace tessel
