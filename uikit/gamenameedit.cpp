#include "uikit/gamenameedit.h"

#include "document/cff3doc.h"
#include "document/parts/fontspart.h"
#include "text/fontcolors.h"
#include "text/glyphdrawing.h"
#include "text/menutext.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace tessel {

namespace {

constexpr QRgb kUnderline = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb kCaret = qRgb(0xFF, 0xFF, 0xFF);
constexpr int kCaretWidth = 2;
constexpr int kCaretHeight = 12;
constexpr int kCaretTop = 3;

}  // namespace

GameNameEdit::GameNameEdit(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setCursor(Qt::IBeamCursor);
    setName(QByteArray(NameFieldModel::kDefaultWidth, char(menutext::kPadding)));
}

void GameNameEdit::setDocument(CFF3Doc* doc)
{
    disconnect(documentConnection_);
    doc_ = doc;
    if (doc_)
        documentConnection_ = connect(doc_, &CFF3Doc::changed, this, [this](const DocumentChange& change) {
            if (change.touches(RecordKind::MenuGlyph))
                update();
        });
    update();
}

void GameNameEdit::setName(const QByteArray& bytes)
{
    const std::size_t oldWidth = field_.size();
    field_.assign(bytes.cbegin(), bytes.cend());
    model_.attach(field_.data(), int(field_.size()));
    if (oldWidth != field_.size())
        updateGeometry();
    update();
}

QSize GameNameEdit::sizeHint() const
{
    return {kLeft + kCellWidth * int(field_.size()) + kLeft, kHeight};
}

QMenu* GameNameEdit::symbolMenu()
{
    if (symbolMenu_)
        return symbolMenu_;
    symbolMenu_ = new QMenu(this);
    for (int i = 0; i < menutext::kSymbolMenuSize; ++i) {
        const menutext::SymbolEntry& entry = menutext::kSymbolMenu[i];
        if (!entry.name) {
            symbolMenu_->addSeparator();
            continue;
        }
        const QString text = QStringLiteral("%1\tAlt+0%2").arg(QLatin1String(entry.name)).arg(entry.character);
        const QChar symbol(entry.character);
        connect(symbolMenu_->addAction(text), &QAction::triggered, this, [this, symbol] { type(symbol); });
    }
    return symbolMenu_;
}

void GameNameEdit::changed(const std::vector<quint8>& before)
{
    update();
    if (field_ != before)
        emit nameEdited(name());
}

void GameNameEdit::type(QChar ch)
{
    const std::vector<quint8> before = field_;
    if (!model_.typeChar(ch)) {
        QApplication::beep();
        return;
    }
    changed(before);
}

bool GameNameEdit::event(QEvent* event)
{
    // Keys the field handles itself come before the shortcuts and default
    // buttons of the window around it.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!control || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (tabCommits_ && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            emit returnPressed();
            return true;
        }
    }
    return QWidget::event(event);
}

void GameNameEdit::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const std::vector<quint8> before = field_;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit returnPressed(); return;
    case Qt::Key_Escape:
        emit escapePressed();
        event->ignore();
        return;
    case Qt::Key_Backspace: model_.backspace(); changed(before); return;
    case Qt::Key_Delete: model_.deleteForward(); changed(before); return;
    case Qt::Key_Home: model_.home(); update(); return;
    case Qt::Key_End: model_.end(); update(); return;
    case Qt::Key_Left: model_.left(ctrl); update(); return;
    case Qt::Key_Right: model_.right(ctrl); update(); return;
    default: break;
    }
    const QString text = event->text();
    if (text.isEmpty() || ctrl || !text[0].isPrint()) {
        QWidget::keyPressEvent(event);
        return;
    }
    for (const QChar ch : text)
        type(ch);
}

void GameNameEdit::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        model_.clickAt(int(event->position().x()));
        update();
    } else if (event->button() == Qt::RightButton) {
        symbolMenu()->popup(event->globalPosition().toPoint());
    }
}

void GameNameEdit::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void GameNameEdit::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void GameNameEdit::paintEvent(QPaintEvent*)
{
    QImage picture(size(), QImage::Format_RGB32);
    picture.fill(fontcolors::kMenuBlue);
    const int width = int(field_.size());
    const int underline = std::min(height(), kHeight) - 2;
    for (int cell = 0; cell < width; ++cell) {
        const int left = kLeft + kCellWidth * cell;
        if (doc_)
            DrawMenuGlyph(picture, left, kGlyphTop, doc_->part<FontsPart>().fonts(), field_[std::size_t(cell)]);
        for (int x = left; x < left + kCellWidth - 1 && x < picture.width(); ++x)
            if (underline >= 0)
                picture.setPixel(x, underline, kUnderline);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
    if (hasFocus())
        painter.fillRect(kCellWidth * model_.caret() + 1, kCaretTop, kCaretWidth, kCaretHeight, QColor(kCaret));
}

}  // namespace tessel
