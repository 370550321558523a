#include "uikit/creferenceslist.h"

#include "document/cff3doc.h"
#include "document/parts/scriptpart.h"
#include "document/referenceindex.h"

#include <QHeaderView>

namespace tessel {

namespace {

constexpr int kUserRole = Qt::UserRole;

}  // namespace

CReferencesList::CReferencesList(CFF3Doc& doc, QWidget* parent) : QTreeWidget(parent), doc_(doc)
{
    setObjectName(QStringLiteral("references"));
    setColumnCount(2);
    setHeaderLabels({tr("References"), tr("Command")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    // Room for a few uses even where the editor above takes the height.
    setMinimumHeight(header()->sizeHint().height() + 5 * fontMetrics().height() + 2 * frameWidth());
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item)
            emit subjectRequested(item->data(0, kUserRole).value<RecordRef>());
    });
    // Any change may add or remove a use; the index reads only what
    // changed. The list is read again once, after a run of changes (a
    // Replace All changes many messages).
    const auto reread = [this] {
        if (stale_)
            return;
        stale_ = true;
        QMetaObject::invokeMethod(this, [this] { if (stale_ && isVisible()) refill(); }, Qt::QueuedConnection);
    };
    connect(&doc_, &CFF3Doc::changed, this, reread);
    connect(&doc_, &CFF3Doc::documentLoaded, this, reread);
    connect(&doc_, &CFF3Doc::documentCleared, this, reread);
}

void CReferencesList::setSubject(const RecordRef& subject)
{
    if (subject == subject_ && !stale_)
        return;
    subject_ = subject;
    stale_ = true;
    if (isVisible())
        refill();
}

RecordRef CReferencesList::userAt(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(0, kUserRole).value<RecordRef>() : RecordRef();
}

void CReferencesList::showEvent(QShowEvent* event)
{
    QTreeWidget::showEvent(event);
    if (stale_)
        refill();
}

void CReferencesList::refill()
{
    stale_ = false;
    clear();
    if (!subject_.isValid() || subject_.isWhole() || !doc_.isLoaded())
        return;
    const events::ScriptListing& listing = doc_.part<ScriptPart>().listing();
    QList<QTreeWidgetItem*> items;
    for (const Reference& use : ReferenceIndex::of(doc_).usesOf(subject_)) {
        QString command;
        const int entry = use.user.kind == RecordKind::Event ? listing.indexAt(SnesAddress(use.user.index)) : -1;
        if (entry >= 0)
            command = listing.commandText(entry).replace(QLatin1Char('\n'), QLatin1Char(' '));
        auto* item = new QTreeWidgetItem({referenceText(use), command});
        item->setData(0, kUserRole, QVariant::fromValue(use.user));
        items.append(item);
    }
    addTopLevelItems(items);
    // The use ("Event $CA:1234 shows it") is read whole; the command text
    // takes the rest.
    resizeColumnToContents(0);
}

}  // namespace tessel
