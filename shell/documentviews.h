#pragma once

#include "shell/workspaceitem.h"

#include <QList>
#include <QObject>
#include <QPointer>

class CEditorView;
class CFF3Doc;
class CTabbedFrame;

// The editor views of the document, in the order they were created, and
// their frames. Opens an editor frame unless one already shows its subject.
class DocumentViews : public QObject {
    Q_OBJECT

public:
    explicit DocumentViews(CFF3Doc& doc, QObject* parent = nullptr);

    // Brings the frame of the first view that shows item.parameter to the
    // front and returns nullptr; otherwise builds a new, hidden frame and
    // returns it (nullptr when it can't be built).
    CTabbedFrame* openEditorFrame(const WorkspaceItem& item);

    QList<CEditorView*> views() const;
    QList<CTabbedFrame*> frames() const;
    // Destroys every editor frame at once (before the document is cleared).
    void closeAllFrames();

signals:
    void frameCreated(CTabbedFrame* frame);

private:
    CFF3Doc& doc_;
    QList<QPointer<CEditorView>> views_;
    QList<QPointer<CTabbedFrame>> frames_;
};
