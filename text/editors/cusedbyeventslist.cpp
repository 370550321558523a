#include "text/editors/cusedbyeventslist.h"

#include "document/cff3doc.h"
#include "document/documentchange.h"
#include "document/parts/scriptpart.h"

#include <QHeaderView>

namespace tessel {

CUsedByEventsList::CUsedByEventsList(CFF3Doc& doc, QWidget* parent) : QTreeWidget(parent), doc_(doc)
{
    setObjectName(QStringLiteral("usedByEvents"));
    setColumnCount(2);
    setHeaderLabels({tr("Used by events"), tr("Command")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item)
            emit eventRequested(RecordRef::event(SnesAddress(item->data(0, Qt::UserRole).toUInt())));
    });
    connect(&doc_, &CFF3Doc::changed, this, [this](const DocumentChange& change) {
        if (!change.ref.isValid() || change.ref.kind == RecordKind::Event) {
            stale_ = true;
            if (isVisible())
                refill();
        } else if (change.touches(RecordKind::Message) && !stale_) {
            // A message edit may change how the scripts read; the listing is
            // read again once, after a run of edits (a Replace All).
            stale_ = true;
            QMetaObject::invokeMethod(this, [this] { if (stale_ && isVisible()) refill(); }, Qt::QueuedConnection);
        }
    });
}

void CUsedByEventsList::setMessage(int message)
{
    if (message == message_ && !stale_)
        return;
    message_ = message;
    stale_ = true;
    if (isVisible())
        refill();
}

void CUsedByEventsList::showEvent(QShowEvent* event)
{
    QTreeWidget::showEvent(event);
    if (stale_)
        refill();
}

void CUsedByEventsList::refill()
{
    stale_ = false;
    clear();
    if (message_ < 0 || !doc_.isLoaded())
        return;
    const events::ScriptListing& listing = doc_.part<ScriptPart>().listing();
    QList<QTreeWidgetItem*> items;
    for (int entry : listing.referencing(RecordRef(RecordKind::Message, message_))) {
        const SnesAddress a = listing.address(entry);
        auto* item = new QTreeWidgetItem({QStringLiteral("%1/%2")
                                              .arg(a >> 16, 2, 16, QLatin1Char('0'))
                                              .arg(a & 0xFFFF, 4, 16, QLatin1Char('0'))
                                              .toUpper(),
                                          listing.commandText(entry).replace(QLatin1Char('\n'), QLatin1Char(' '))});
        item->setData(0, Qt::UserRole, uint(a));
        items.append(item);
    }
    addTopLevelItems(items);
}

}  // namespace tessel
