#include "compare/views/cchangeswindow.h"

#include "compare/changereport.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tessel {

namespace {
// Which change a row shows (-1 for an area's row).
constexpr int kChangeRole = Qt::UserRole;
constexpr int kAreaRole = Qt::UserRole + 1;
constexpr std::size_t kExpandedChanges = 200;
}

CChangesWindow::CChangesWindow(RomChanges changes, const QString& heading, const QString& acceptText, QWidget* parent)
    : QDialog(parent),
      changes_(std::move(changes)),
      heading_(new QLabel(heading, this)),
      filter_(new QLineEdit(this)),
      tree_(new QTreeWidget(this)),
      buttons_(new QDialogButtonBox(this))
{
    setWindowTitle(tr("Changes"));
    setObjectName(QStringLiteral("changesWindow"));
    heading_->setWordWrap(true);
    filter_->setPlaceholderText(tr("Filter"));
    filter_->setClearButtonEnabled(true);
    filter_->setObjectName(QStringLiteral("changesFilter"));
    tree_->setObjectName(QStringLiteral("changesTree"));
    tree_->setHeaderLabels({tr("Where"), tr("Change")});
    tree_->setUniformRowHeights(true);
    tree_->header()->setStretchLastSection(true);
    if (acceptText.isEmpty()) {
        buttons_->addButton(QDialogButtonBox::Close);
    } else {
        buttons_->addButton(acceptText, QDialogButtonBox::AcceptRole);
        buttons_->addButton(QDialogButtonBox::Cancel);
    }
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(filter_, &QLineEdit::textChanged, this, &CChangesWindow::applyFilter);
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { openChange(item); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(filter_);
    layout->addWidget(tree_, 1);
    layout->addWidget(buttons_);
    fill();
    resize(720, 480);
    tree_->setColumnWidth(0, 300);
}

void CChangesWindow::fill()
{
    tree_->clear();
    if (changes_.empty()) {
        auto* none = new QTreeWidgetItem(tree_, {tr("No differences")});
        none->setData(0, kChangeRole, -1);
        return;
    }
    for (const changereport::AreaGroup& group : changereport::groupByArea(changes_)) {
        auto* area = new QTreeWidgetItem(tree_);
        area->setData(0, kChangeRole, -1);
        area->setData(0, kAreaRole, group.area);
        for (int i : group.changes) {
            const RomChange& c = changes_[std::size_t(i)];
            QString change = changereport::changeText(c);
            change.replace(QLatin1Char('\n'), QChar(0x21B5));
            auto* row = new QTreeWidgetItem(area, {changereport::subjectText(c), change});
            row->setData(0, kChangeRole, i);
            row->setToolTip(1, changereport::changeText(c));
        }
    }
    applyFilter(filter_->text());
    // A short list opens whole; a long one shows its areas and counts first.
    if (changes_.size() <= kExpandedChanges)
        tree_->expandAll();
}

void CChangesWindow::applyFilter(const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int a = 0; a < tree_->topLevelItemCount(); ++a) {
        QTreeWidgetItem* area = tree_->topLevelItem(a);
        if (area->childCount() == 0)
            continue;
        int shown = 0;
        for (int r = 0; r < area->childCount(); ++r) {
            QTreeWidgetItem* row = area->child(r);
            const QString haystack = area->data(0, kAreaRole).toString() + QLatin1Char(' ') + row->text(0) +
                                     QLatin1Char(' ') + row->toolTip(1);
            const bool keep = std::all_of(words.begin(), words.end(), [&](const QString& w) {
                return haystack.contains(w, Qt::CaseInsensitive);
            });
            row->setHidden(!keep);
            shown += keep ? 1 : 0;
        }
        const QString name = area->data(0, kAreaRole).toString();
        area->setText(0, shown == area->childCount() ? tr("%1 (%2)").arg(name).arg(shown)
                                                     : tr("%1 (%2 of %3)").arg(name).arg(shown).arg(area->childCount()));
        area->setHidden(shown == 0);
        if (!words.isEmpty() && shown > 0)
            area->setExpanded(true);
    }
}

void CChangesWindow::openChange(QTreeWidgetItem* item)
{
    const int i = item ? item->data(0, kChangeRole).toInt() : -1;
    if (i < 0 || std::size_t(i) >= changes_.size())
        return;
    const RecordRef& subject = changes_[std::size_t(i)].subject;
    if (subject.isValid() && subject.kind != RecordKind::Address)
        emit subjectRequested(subject);
}

}  // namespace tessel
