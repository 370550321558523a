#include "records/views/crecordtableview.h"

#include "records/views/recordtabledelegate.h"
#include "records/views/recordtablemodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include <map>

namespace tessel {

CRecordTableView::CRecordTableView(CFF3Doc& doc, RecordKind kind, QWidget* parent) : QWidget(parent)
{
    model_ = new RecordTableModel(doc, kind, this);
    proxy_ = new RecordTableProxy(model_, this);

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("tableFilter"));
    filter_->setClearButtonEnabled(true);
    filter_->setPlaceholderText(tr("Filter: words, or field op value (hp > 1000 level <= 20)"));
    count_ = new QLabel(this);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("filterMessage"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    message_->hide();

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("recordTable"));
    table_->setModel(proxy_);
    table_->setItemDelegate(new RecordTableDelegate(table_));
    table_->setSortingEnabled(true);
    table_->sortByColumn(0, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    table_->horizontalHeader()->setToolTip(tr("Right-click to choose the columns"));

    auto* top = new QHBoxLayout;
    top->addWidget(filter_, 1);
    top->addWidget(count_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(message_);
    layout->addWidget(table_, 1);

    connect(filter_, &QLineEdit::textChanged, this, &CRecordTableView::applyFilter);
    connect(table_->horizontalHeader(), &QWidget::customContextMenuRequested, this, &CRecordTableView::showColumnMenu);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        const int record = proxy_->recordAt(current.row());
        if (!quiet_ && record >= 0)
            emit recordSelected(RecordRef(model_->kind(), record));
    });
    connect(table_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        // Other cells are edited in place; the number opens the record.
        const int record = proxy_->recordAt(index.row());
        if (index.column() == 0 && record >= 0)
            emit recordActivated(RecordRef(model_->kind(), record));
    });
    connect(proxy_, &QAbstractItemModel::rowsInserted, this, &CRecordTableView::updateCount);
    connect(proxy_, &QAbstractItemModel::rowsRemoved, this, &CRecordTableView::updateCount);
    connect(proxy_, &QAbstractItemModel::modelReset, this, &CRecordTableView::updateCount);
    connect(proxy_, &QAbstractItemModel::layoutChanged, this, &CRecordTableView::updateCount);
    table_->resizeColumnsToContents();
    updateCount();
}

RecordKind CRecordTableView::kind() const
{
    return model_->kind();
}

QString CRecordTableView::filterMessage() const
{
    return message_->isHidden() ? QString() : message_->text();
}

QStringList CRecordTableView::columnPaths() const
{
    return model_->columnPaths();
}

void CRecordTableView::setColumnPaths(const QStringList& paths)
{
    // New columns reset the model; the selected record stays selected.
    const int record = proxy_->recordAt(table_->currentIndex().row());
    if (paths.isEmpty()) {
        QStringList main;
        for (int field : model_->source().defaultColumns())
            main.append(model_->source().fields()[std::size_t(field)].path());
        model_->setColumnPaths(main);
    } else {
        model_->setColumnPaths(paths);
    }
    table_->resizeColumnsToContents();
    selectRecord(record);
}

void CRecordTableView::selectRecord(int index)
{
    const int row = index >= 0 ? proxy_->rowOf(index) : -1;
    if (row < 0)
        return;
    quiet_ = true;
    table_->setCurrentIndex(proxy_->index(row, 0));
    table_->scrollTo(proxy_->index(row, 0));
    quiet_ = false;
}

void CRecordTableView::applyFilter(const QString& text)
{
    QString error;
    const std::optional<RecordFilter> filter = RecordFilter::parse(text, model_->source().fields(), &error);
    message_->setText(error);
    message_->setVisible(!filter);
    if (filter)
        proxy_->setFilter(*filter);
    updateCount();
}

void CRecordTableView::updateCount()
{
    count_->setText(tr("%1 of %2").arg(proxy_->rowCount()).arg(model_->rowCount()));
}

void CRecordTableView::showColumnMenu(const QPoint& at)
{
    // One submenu per group, in the editor's order, each field a check box.
    QMenu menu(this);
    std::map<QString, QMenu*> groups;
    for (const TableField& field : model_->source().fields()) {
        QMenu*& group = groups[field.group];
        if (!group)
            group = menu.addMenu(shownRecordText(field.group));
        QAction* action = group->addAction(shownRecordText(field.key));
        action->setCheckable(true);
        action->setChecked(model_->showsField(field.path()));
        const QString path = field.path();
        connect(action, &QAction::toggled, this, [this, path](bool shown) { toggleColumn(path, shown); });
    }
    menu.addSeparator();
    QAction* reset = menu.addAction(tr("Main Columns"));
    connect(reset, &QAction::triggered, this, [this] {
        setColumnPaths({});
        emit columnsChosen({});
    });
    menu.exec(table_->horizontalHeader()->mapToGlobal(at));
}

void CRecordTableView::toggleColumn(const QString& path, bool shown)
{
    QStringList paths = model_->columnPaths();
    if (shown)
        paths.append(path);
    else
        paths.removeAll(path);
    setColumnPaths(paths);
    emit columnsChosen(model_->columnPaths());
}

}  // namespace tessel
