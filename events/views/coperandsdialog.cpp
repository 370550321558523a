#include "events/views/coperandsdialog.h"

#include "document/cff3doc.h"
#include "document/parts/scriptpart.h"
#include "document/propertytable.h"
#include "document/setscriptbytescommand.h"
#include "events/entrytext.h"
#include "platform/gui/boxmessageservice.h"
#include "text/menutext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>

namespace tessel {

namespace {

using events::OperandKind;

// Espers as the listing numbers them: 54 is the first.
constexpr int kFirstEsper = 54;

QString hexText(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString addressText(SnesAddress a)
{
    return hexText(int(a >> 16), 2) + QLatin1Char('/') + hexText(int(a & 0xFFFF), 4);
}

// Hexadecimal in upper case with leading zeros, as the listing writes it.
class HexSpinBox : public QSpinBox {
public:
    HexSpinBox(int digits, QWidget* parent) : QSpinBox(parent), digits_(digits)
    {
        setDisplayIntegerBase(16);
        setPrefix(QStringLiteral("$"));
    }

protected:
    QString textFromValue(int value) const override { return hexText(value, digits_); }

private:
    int digits_;
};

// The names of a record table of the document, as the menus show them.
QStringList namesOf(CFF3Doc& doc, RecordKind kind)
{
    const PropertyTable table(doc, kind);
    QStringList names;
    for (int i = 0; i < table.count(); ++i) {
        const QByteArray name = table.currentBytes(RecordPart::Name, i);
        names.append(menutext::DecodeListingName(reinterpret_cast<const quint8*>(name.constData()), int(name.size())));
    }
    return names;
}

}  // namespace

COperandsDialog::COperandsDialog(CFF3Doc& doc, int entry, QWidget* parent)
    : QDialog(parent), doc_(doc), preview_(new QLabel(this))
{
    const events::ScriptListing& listing = doc.part<ScriptPart>().listing();
    kind_ = listing.kind(entry);
    address_ = listing.address(entry);
    bytes_ = listing.byteArray(entry);
    setWindowTitle(tr("Edit Operands at %1").arg(addressText(address_)));

    auto* form = new QFormLayout;
    auto* current = new QLabel(listing.commandText(entry), this);
    current->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr("Command:"), current);
    for (const events::OperandField& field : events::operandFields(kind_, listing.bytes(entry))) {
        QWidget* editor = makeEditor(field);
        rows_.append({field, editor});
        if (field.kind == OperandKind::Flag)
            form->addRow(QString(), editor);
        else
            form->addRow(field.label + QLatin1Char(':'), withGoToButton(int(rows_.size()) - 1, editor));
    }
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr("New text:"), preview_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COperandsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COperandsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    updatePreview();
}

QWidget* COperandsDialog::makeEditor(const events::OperandField& field)
{
    switch (field.kind) {
    case OperandKind::Flag: {
        auto* box = new QCheckBox(field.label, this);
        box->setChecked(field.value != 0);
        connect(box, &QCheckBox::toggled, this, &COperandsDialog::updatePreview);
        return box;
    }
    case OperandKind::Item:
    case OperandKind::Esper: {
        auto* combo = new QComboBox(this);
        const bool items = field.kind == OperandKind::Item;
        const QStringList names = namesOf(doc_, items ? RecordKind::Item : RecordKind::Esper);
        const int first = items ? 0 : kFirstEsper;
        // A value without a name stays what it is until another is picked.
        if (field.value < first || field.value >= first + names.size())
            combo->addItem(QLatin1Char('$') + hexText(field.value, 2), field.value);
        for (int i = 0; i < names.size() && first + i <= field.maximum; ++i)
            combo->addItem(QStringLiteral("$%1 %2").arg(hexText(first + i, 2), names[i]), first + i);
        combo->setCurrentIndex(combo->findData(field.value));
        connect(combo, &QComboBox::currentIndexChanged, this, &COperandsDialog::updatePreview);
        return combo;
    }
    case OperandKind::Raw: {
        auto* edit = new QLineEdit(hexText(field.value, 2), this);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,2}")), edit));
        edit->setMaxLength(2);
        connect(edit, &QLineEdit::textChanged, this, &COperandsDialog::updatePreview);
        return edit;
    }
    default: {
        auto* spin = field.hex ? new HexSpinBox(field.maximum > 0xFF ? 4 : 2, this) : new QSpinBox(this);
        spin->setRange(field.minimum, field.maximum);
        spin->setValue(field.value);
        connect(spin, &QSpinBox::valueChanged, this, &COperandsDialog::updatePreview);
        return spin;
    }
    }
}

QList<QWidget*> COperandsDialog::editors() const
{
    QList<QWidget*> editors;
    for (const Row& row : rows_)
        editors.append(row.editor);
    return editors;
}

std::optional<int> COperandsDialog::valueOf(const Row& row, QString* error) const
{
    if (auto* box = qobject_cast<QCheckBox*>(row.editor))
        return box->isChecked() ? 1 : 0;
    if (auto* combo = qobject_cast<QComboBox*>(row.editor))
        return combo->currentData().toInt();
    if (auto* spin = qobject_cast<QSpinBox*>(row.editor))
        return spin->value();
    bool ok = false;
    const int value = qobject_cast<QLineEdit*>(row.editor)->text().toInt(&ok, 16);
    if (!ok) {
        *error = tr("%1 needs a byte in hexadecimal, 00 to FF.").arg(row.field.label);
        return std::nullopt;
    }
    return value;
}

std::optional<QByteArray> COperandsDialog::newBytes(QString* error) const
{
    QByteArray bytes = bytes_;
    for (const Row& row : rows_) {
        const std::optional<int> value = valueOf(row, error);
        if (!value || !events::writeOperand(bytes, row.field, *value, error))
            return std::nullopt;
    }
    return bytes;
}

void COperandsDialog::updatePreview()
{
    QString error;
    const std::optional<QByteArray> bytes = newBytes(&error);
    if (!bytes) {
        preview_->setText(error);
        return;
    }
    const auto* data = reinterpret_cast<const quint8*>(bytes->constData());
    preview_->setText(events::entryText(kind_, address_, {data, std::size_t(bytes->size())},
                                        doc_.part<ScriptPart>().tables()));
}

void COperandsDialog::showMessage(const QString& text) const
{
    if (platform::MessageService* messages = doc_.messageService())
        messages->showMessage(text, windowTitle(), platform::MessageIcon::Warning);
    else
        platform::BoxMessageService(const_cast<COperandsDialog*>(this)).showMessage(text, windowTitle(),
                                                                                     platform::MessageIcon::Warning);
}

void COperandsDialog::accept()
{
    QString error;
    const std::optional<QByteArray> bytes = newBytes(&error);
    if (!bytes) {
        showMessage(error);
        return;
    }
    if (*bytes != bytes_) {
        const QList<ScriptEdit> edits = {{address_, *bytes}};
        if (const std::optional<QString> reason = doc_.part<ScriptPart>().checkEdits(edits)) {
            showMessage(*reason);
            return;
        }
        doc_.undoStack()->push(new SetScriptBytesCommand(doc_, edits, tr("Edit Operands at %1").arg(addressText(address_))));
    }
    QDialog::accept();
}

std::optional<RecordRef> COperandsDialog::goToTarget(int field) const
{
    if (field < 0 || field >= rows_.size())
        return std::nullopt;
    const Row& row = rows_[field];
    QString error;
    const std::optional<int> value = valueOf(row, &error);
    if (!value)
        return std::nullopt;
    switch (row.field.kind) {
    case OperandKind::Message:
        return RecordRef(RecordKind::Message, *value);
    case OperandKind::Item:
        return RecordRef(RecordKind::Item, *value);
    case OperandKind::Esper:
        if (*value < kFirstEsper)
            return std::nullopt;
        return RecordRef(RecordKind::Esper, *value - kFirstEsper);
    case OperandKind::Shop:
        return RecordRef(RecordKind::Shop, *value);
    default:
        return std::nullopt;
    }
}

QWidget* COperandsDialog::withGoToButton(int field, QWidget* editor)
{
    const OperandKind kind = rows_[field].field.kind;
    if (kind != OperandKind::Message && kind != OperandKind::Item && kind != OperandKind::Esper && kind != OperandKind::Shop)
        return editor;
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor, 1);
    auto* button = new QPushButton(tr("Go to"), box);
    button->setObjectName(QStringLiteral("goTo%1").arg(field));
    button->setAutoDefault(false);
    button->setToolTip(tr("Close this dialog and open the editor at the chosen record"));
    connect(button, &QPushButton::clicked, this, [this, field] { goTo(field); });
    layout->addWidget(button);
    return box;
}

void COperandsDialog::goTo(int field)
{
    const std::optional<RecordRef> target = goToTarget(field);
    if (!target)
        return;
    QString error;
    const std::optional<QByteArray> bytes = newBytes(&error);
    if (bytes != std::optional<QByteArray>(bytes_)) {
        const QString text = tr("The operands at %1 were changed here and are not stored yet.\n\nDiscard the changes and go "
                                "to %2?")
                                 .arg(addressText(address_), target->toString());
        platform::MessageService* messages = doc_.messageService();
        const bool discard = messages ? messages->askDiscard(text, windowTitle())
                                      : platform::BoxMessageService(this).askDiscard(text, windowTitle());
        if (!discard)
            return;
    }
    goTo_ = target;
    reject();
}

}  // namespace tessel
