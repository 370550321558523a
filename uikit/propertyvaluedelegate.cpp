#include "uikit/propertyvaluedelegate.h"

#include "document/cff3doc.h"
#include "document/parts/fontspart.h"
#include "text/fontcolors.h"
#include "text/glyphdrawing.h"
#include "uikit/cpropertytree.h"
#include "uikit/gamenameedit.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace tessel {

namespace {

const char* const kPropertyIdKey = "propertyId";
// A typed number may be longer than its field; the field keeps its low bits.
const QRegularExpression kDigits(QStringLiteral("\\d{0,10}"));
constexpr int kNameMargin = 2;   // blue around the glyphs
constexpr int kGlyphHeight = 8;

}  // namespace

PropertyValueDelegate::PropertyValueDelegate(CPropertyTree* tree) : QStyledItemDelegate(tree), tree_(tree) {}

int PropertyValueDelegate::idOf(const QModelIndex& index) const
{
    return index.sibling(index.row(), CPropertyTree::LabelColumn).data(CPropertyTree::kIdRole).toInt();
}

QWidget* PropertyValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const Property* p = tree_->property(idOf(index));
    if (!p)
        return nullptr;
    auto* self = const_cast<PropertyValueDelegate*>(this);
    QWidget* editor = nullptr;
    switch (p->kind) {
    case PropertyKind::Number: {
        auto* box = new QLineEdit(QString::number(p->value), parent);
        box->setValidator(new QRegularExpressionValidator(kDigits, box));
        box->setFrame(false);
        box->selectAll();
        editor = box;
        break;
    }
    case PropertyKind::Choice: {
        auto* list = new QComboBox(parent);
        for (const ChoiceTable::Row& row : p->choices->rows())
            list->addItem(p->numberPrefix ? QStringLiteral("%1 - %2").arg(row.value).arg(shownRecordText(row.text))
                                          : shownRecordText(row.text),
                          row.value);
        // A value without a row shows no row until the user picks one.
        list->setCurrentIndex(list->findData(int(p->value)));
        connect(list, &QComboBox::activated, self, [self, list] {
            emit self->commitData(list);
            emit self->closeEditor(list);
        });
        QTimer::singleShot(0, list, &QComboBox::showPopup);
        editor = list;
        break;
    }
    case PropertyKind::GameText: {
        auto* field = new GameNameEdit(parent);
        field->setDocument(tree_->document());
        field->setName(p->text);
        field->setTabCommits(true);
        connect(field, &GameNameEdit::returnPressed, self, [self, field] {
            emit self->commitData(field);
            emit self->closeEditor(field);
        });
        connect(field, &GameNameEdit::escapePressed, self,
                [self, field] { emit self->closeEditor(field, QAbstractItemDelegate::RevertModelCache); });
        editor = field;
        break;
    }
    default:
        return nullptr;
    }
    editor->setProperty(kPropertyIdKey, p->id);
    return editor;
}

void PropertyValueDelegate::setEditorData(QWidget*, const QModelIndex&) const
{
    // Editors start from the property (createEditor); a refresh of the
    // shown values while one is open must not undo the user's typing.
}

void PropertyValueDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const
{
    const int id = editor->property(kPropertyIdKey).toInt();
    const Property* p = tree_->property(id);
    if (!p)
        return;
    if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        bool ok = false;
        const qulonglong value = box->text().toULongLong(&ok);
        if (ok)
            tree_->commitValue(id, quint32(value));
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (list->currentIndex() >= 0)
            tree_->commitValue(id, list->currentData().toUInt());
    } else if (auto* field = qobject_cast<GameNameEdit*>(editor)) {
        tree_->commitName(id, field->name());
    }
}

bool PropertyValueDelegate::eventFilter(QObject* watched, QEvent* event)
{
    // Tab commits like Enter; it does not open the next row's editor.
    if (auto* editor = qobject_cast<QWidget*>(watched); editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            emit commitData(editor);
            emit closeEditor(editor);
            return true;
        }
        // The name field commits or closes itself on these keys (its own
        // signals); the base would do it a second time, for an editor gone.
        const bool finishing = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
        if (finishing && qobject_cast<GameNameEdit*>(editor))
            return false;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

void PropertyValueDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                 const QModelIndex&) const
{
    QRect rect = option.rect;
    const QSize wanted = editor->sizeHint();
    rect.setHeight(std::max(rect.height(), wanted.height()));
    // The name field is as wide as its cells, like the name it replaces.
    if (qobject_cast<GameNameEdit*>(editor))
        rect.setWidth(std::min(rect.width(), wanted.width()));
    editor->setGeometry(rect);
}

void PropertyValueDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const Property* p = tree_->property(idOf(index));
    QByteArray name;
    if (p && p->kind == PropertyKind::GameText)
        name = p->text;
    else if (p && p->kind == PropertyKind::NameChoice && p->names && !(p->noneAllowed && p->value == 0xFF))
        name = p->names->bytes(int(p->value));
    if (name.isEmpty() || !tree_->document()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The row's background as usual, then the name as the game draws it.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    QImage picture(8 * int(name.size()) + 2 * kNameMargin, kGlyphHeight + 2 * kNameMargin, QImage::Format_RGB32);
    picture.fill(fontcolors::kMenuBlue);
    DrawMenuText(picture, kNameMargin, kNameMargin, tree_->document()->part<FontsPart>().fonts(),
                 reinterpret_cast<const quint8*>(name.constData()), int(name.size()));
    const QRect& r = option.rect;
    painter->drawImage(QPoint(r.left() + kNameMargin, r.top() + (r.height() - picture.height()) / 2), picture);
}

}  // namespace tessel
