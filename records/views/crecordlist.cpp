#include "records/views/crecordlist.h"

#include "records/namefilter.h"
#include "uikit/gamenamelist.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tessel {

namespace {

// The list is as wide as the widest name in the menu font, and its scroll bar.
constexpr int kListExtra = 4 + 24;

}  // namespace

CRecordList::CRecordList(CFF3Doc& doc, RecordKind kind, int records, QWidget* parent)
    : QWidget(parent), doc_(doc), kind_(kind), records_(records)
{
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(tr("Filter"));
    filter_->setClearButtonEnabled(true);
    filter_->installEventFilter(this);

    names_ = new GameNameList(this);
    names_->setObjectName(QStringLiteral("names"));
    names_->setDocument(&doc);
    names_->setMode(GameNameList::PlainMode);
    names_->setNames(records_, [this](int index) { return nameOf(index); });
    const PropertyTable table(doc, kind_);
    int widest = 0;
    for (int i = 0; i < records_; ++i)
        widest = std::max(widest, table.nameWidth(i));
    names_->setFixedWidth(8 * widest + kListExtra);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filter_);
    layout->addWidget(names_, 1);

    connect(filter_, &QLineEdit::textChanged, this, &CRecordList::fillList);
    connect(names_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            choose(names_->rowValue(row));
    });
    fillList();
}

QByteArray CRecordList::nameOf(int index) const
{
    const PropertyTable table(doc_, kind_);
    return table.currentBytes(RecordPart::Name, index).left(table.nameWidth(index));
}

void CRecordList::choose(int index)
{
    if (index == current_)
        return;
    current_ = index;
    emit recordSelected(index);
}

void CRecordList::fillList()
{
    const PropertyTable table(doc_, kind_);
    std::vector<QByteArray> all;
    for (int i = 0; i < records_; ++i)
        all.push_back(nameOf(i));
    const std::vector<int> shown = filterNames(NameTable(0, std::move(all)), filter_->text());

    const QSignalBlocker quiet(names_);
    names_->clear();
    int currentRow = -1;
    for (int index : shown) {
        const int row = names_->addRow(index, table.nameWidth(index));
        if (index == current_)
            currentRow = row;
    }
    // The record shown stays selected while the filter keeps it; else the first match is shown.
    if (currentRow < 0 && !shown.empty()) {
        currentRow = 0;
        choose(shown.front());
    }
    names_->setCurrentRow(currentRow);
}

void CRecordList::selectRecord(int index)
{
    if (index < 0 || index >= records_)
        return;
    for (int row = 0; row < names_->count(); ++row) {
        if (names_->rowValue(row) == index) {
            names_->setCurrentRow(row);
            choose(index);
            return;
        }
    }
    if (filter_->text().isEmpty())
        return;
    filter_->clear();  // refills the list with every record
    selectRecord(index);
}

bool CRecordList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == filter_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !filter_->text().isEmpty()) {
        filter_->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tessel
