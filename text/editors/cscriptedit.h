#pragma once

#include <QPlainTextEdit>

namespace tessel {

// The edit box of a message's script text. Tab and Shift+Tab do not move
// the focus on: they ask to apply the text and go to the next or previous
// message. The box shows line breaks as the document's own newlines; the
// script form's CR LF are converted on the way in and out. Ctrl+Z undoes
// typing in the box while there is some, and the document's steps after.
class CScriptEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CScriptEdit(QWidget* parent = nullptr);

    // The text in the script form (CR LF line breaks), and setting it so.
    QString scriptText() const;
    void setScriptText(const QString& text);

signals:
    void applyRequested(int step);

protected:
    bool event(QEvent* event) override;
};

}  // namespace tessel
