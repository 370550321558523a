#include "shell/documentviews.h"

#include "document/cff3doc.h"

#include "uikit/ceditorview.h"
#include "shell/ctabbedframe.h"

namespace {
const QString kTabbedFrameClass = QStringLiteral("CTabbedFrame");
}

DocumentViews::DocumentViews(CFF3Doc& doc, QObject* parent) : QObject(parent), doc_(doc)
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

CTabbedFrame* DocumentViews::openEditorFrame(const WorkspaceItem& item)
{
    for (CEditorView* view : views()) {
        // A closed frame lingers hidden until it is deleted.
        if (view->window()->isHidden())
            continue;
        if (view->message(WM_QUERYSHOWS, item.parameter) != 0) {
            QWidget* frame = view->window();
            if (frame->isMinimized())
                frame->showNormal();
            frame->raise();
            frame->activateWindow();
            return nullptr;
        }
    }

    if (item.frameClass != kTabbedFrameClass)
        return nullptr;
    auto* frame = new CTabbedFrame(doc_, item.resourceId);
    if (!frame->load(item.groupClass)) {
        delete frame;
        return nullptr;
    }
    views_.removeIf([](const QPointer<CEditorView>& view) { return view.isNull(); });
    frames_.removeIf([](const QPointer<CTabbedFrame>& f) { return f.isNull(); });
    for (CEditorView* view : frame->views())
        views_.append(view);
    frames_.append(frame);
    emit frameCreated(frame);
    return frame;
}

void DocumentViews::closeAllFrames()
{
    const QList<CTabbedFrame*> open = frames();
    for (CTabbedFrame* frame : open)
        delete frame;
    frames_.clear();
    views_.clear();
}
