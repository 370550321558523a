#pragma once

#include <QWidget>

class CFF3Doc;

// The two private messages between frames and editor views. Views answer
// them through queryShows() and setSubject(); message() dispatches by value.
inline constexpr quint32 WM_QUERYSHOWS = 0x464;
inline constexpr quint32 WM_SETSUBJECT = 0x8400;

// Base of every editor view: a widget on the document that can tell whether
// it shows a subject, so an area opens only once, and learns its subject
// when its frame is new. Subjects are pointer-sized because a world map's
// subject is its record.
class CEditorView : public QWidget {
    Q_OBJECT

public:
    CEditorView(CFF3Doc& doc, QWidget* parent = nullptr);

    CFF3Doc& document() const { return doc_; }

    virtual bool queryShows(quintptr subject) const;
    virtual void setSubject(quintptr subject);

    // WM_QUERYSHOWS answers 1 or 0; WM_SETSUBJECT and unknown messages 0.
    quintptr message(quint32 id, quintptr parameter);

private:
    CFF3Doc& doc_;
};
