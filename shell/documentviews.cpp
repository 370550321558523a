#include "shell/documentviews.h"

#include "document/cff3doc.h"
#include "shell/ctabbedframe.h"
#include "shell/editorregistry.h"
#include "uikit/ceditorview.h"

namespace tessel {

DocumentViews::DocumentViews(CFF3Doc& doc, QObject* parent)
    : QObject(parent), doc_(doc), registry_(&EditorRegistry::standard())
{
    // Normally closed before the clear; this catches a clear from elsewhere.
    connect(&doc_, &CFF3Doc::documentCleared, this, &DocumentViews::closeAllFrames);
}

QList<CEditorView*> DocumentViews::views() const
{
    QList<CEditorView*> list;
    for (const QPointer<CEditorView>& view : views_) {
        if (view)
            list.append(view);
    }
    return list;
}

QList<CTabbedFrame*> DocumentViews::frames() const
{
    QList<CTabbedFrame*> list;
    for (const QPointer<CTabbedFrame>& frame : frames_) {
        if (frame)
            list.append(frame);
    }
    return list;
}

CTabbedFrame* DocumentViews::openAt(const RecordRef& subject)
{
    for (CTabbedFrame* frame : frames()) {
        // A closed frame lingers hidden until it is deleted.
        if (frame->isHidden() || !frame->showSubject(subject))
            continue;
        if (frame->isMinimized())
            frame->showNormal();
        frame->raise();
        frame->activateWindow();
        return nullptr;
    }

    const EditorDescriptor* editor = registry_->forKind(subject.kind);
    if (!editor)
        return nullptr;
    auto* frame = new CTabbedFrame(doc_, *editor);
    if (!frame->load()) {
        delete frame;
        return nullptr;
    }
    views_.removeIf([](const QPointer<CEditorView>& view) { return view.isNull(); });
    frames_.removeIf([](const QPointer<CTabbedFrame>& f) { return f.isNull(); });
    for (CEditorView* view : frame->views())
        views_.append(view);
    frames_.append(frame);
    frame->setOpenedAt(subject);
    if (editor->subjectTitle)
        frame->setFrameTitle(editor->subjectTitle(doc_, subject));
    // A new frame's views all learn the subject (a map view takes its map).
    for (CEditorView* view : frame->views())
        view->message(WM_SETSUBJECT, subject);
    frame->showSubject(subject);
    emit frameCreated(frame);
    return frame;
}

bool DocumentViews::commitPendingEdits()
{
    for (CEditorView* view : views())
        if (!view->commitPendingEdits())
            return false;
    return true;
}

void DocumentViews::closeAllFrames()
{
    const QList<CTabbedFrame*> open = frames();
    for (CTabbedFrame* frame : open)
        delete frame;
    frames_.clear();
    views_.clear();
}

}  // namespace tessel
