#pragma once

#include "rom/recordref.h"

#include <QList>
#include <QObject>
#include <QPointer>

namespace tessel {

class CEditorView;
class CFF3Doc;
class CTabbedFrame;
class EditorRegistry;

// The editor views of the document, in the order they were created, and
// their frames. Opens an editor at a subject: in the frame that already
// shows it, or in a new frame of the editor that shows its kind.
class DocumentViews : public QObject {
    Q_OBJECT

public:
    explicit DocumentViews(CFF3Doc& doc, QObject* parent = nullptr);
    // The editors frames are made from (the standard ones unless set).
    void setRegistry(const EditorRegistry& registry) { registry_ = &registry; }
    const EditorRegistry& registry() const { return *registry_; }

    // Shows the subject in the open frame whose view shows it: the frame
    // comes to the front, the view's tab is selected and the view shows the
    // subject; returns nullptr. Otherwise builds a new, hidden frame of the
    // editor of the subject's kind, at the subject, and returns it (nullptr
    // when no editor shows the kind).
    CTabbedFrame* openAt(const RecordRef& subject);

    QList<CEditorView*> views() const;
    QList<CTabbedFrame*> frames() const;
    // Has every view write what was typed but not applied into the
    // document; false when the user chose to stay and correct a text.
    bool commitPendingEdits();
    // Destroys every editor frame at once (before the document is cleared).
    void closeAllFrames();

signals:
    void frameCreated(CTabbedFrame* frame);

private:
    CFF3Doc& doc_;
    const EditorRegistry* registry_;
    QList<QPointer<CEditorView>> views_;
    QList<QPointer<CTabbedFrame>> frames_;
};

}  // namespace tessel
