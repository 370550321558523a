#include "text/editors/cscriptedit.h"

#include <QKeyEvent>

namespace tessel {

CScriptEdit::CScriptEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("scriptEdit"));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(false);
}

QString CScriptEdit::scriptText() const
{
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void CScriptEdit::setScriptText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

bool CScriptEdit::event(QEvent* event)
{
    // Undo and Redo are the box's own only while it has typing to take
    // back; otherwise the keys reach the frame's, which undo the document
    // (an Apply just made, for one).
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !document()->isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !document()->isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    // Before the focus chain sees them.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier))) {
            emit applyRequested(-1);
            return true;
        }
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ControlModifier)) {
            emit applyRequested(+1);
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

}  // namespace tessel
