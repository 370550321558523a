#include "records/views/recordcopyactions.h"

#include "document/cff3doc.h"
#include "document/propertytable.h"
#include "document/recordcopy.h"
#include "document/recordtablepart.h"
#include "platform/gui/clipboardformat.h"
#include "records/views/cpropertybinder.h"
#include "uikit/ceditorview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>

namespace tessel {

namespace {

constexpr char kRecordClipboardFormat[] = "TESSEL_RECORD";

quint32 recordFormat()
{
    static const quint32 format = platform::registerClipboardFormat(QString::fromLatin1(kRecordClipboardFormat));
    return format;
}

QString groupLabel(const PropertyList& list, int group)
{
    const PropertyGroup* g = list.group(group);
    return g ? shownRecordText(g->label) : QString();
}

}  // namespace

RecordCopyActions::RecordCopyActions(CEditorView& view, RecordKind kind, std::function<Place()> place)
    : QObject(&view), view_(view), kind_(kind), place_(std::move(place))
{
    copy_ = new QAction(tr("Cop&y Record"), this);
    paste_ = new QAction(tr("Paste Recor&d..."), this);
    revertRecord_ = new QAction(tr("Re&vert Record"), this);
    revertField_ = new QAction(tr("Revert &Field"), this);
    copy_->setStatusTip(tr("Copies the whole record to the clipboard"));
    paste_->setStatusTip(tr("Stores the fields of the record on the clipboard in this record"));
    revertRecord_->setStatusTip(tr("Gives every field of the record back the value the file holds"));
    revertField_->setStatusTip(tr("Gives the current field back the value the file holds"));
    connect(copy_, &QAction::triggered, this, &RecordCopyActions::copyRecord);
    connect(paste_, &QAction::triggered, this, &RecordCopyActions::pasteRecord);
    connect(revertRecord_, &QAction::triggered, this, &RecordCopyActions::revertRecord);
    connect(revertField_, &QAction::triggered, this, &RecordCopyActions::revertField);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &RecordCopyActions::updateActions);
    connect(&view.document(), &CFF3Doc::changed, this, &RecordCopyActions::updateActions);
    connect(&view.document(), &CFF3Doc::documentSaved, this, &RecordCopyActions::updateActions);
    // The field in hand is the focused control's in the forms.
    connect(qApp, &QApplication::focusChanged, this, &RecordCopyActions::updateActions);
    updateActions();
}

RecordCopyActions* RecordCopyActions::forBinder(CEditorView& view, RecordKind kind, CPropertyBinder& binder)
{
    auto* actions = new RecordCopyActions(view, kind, [&binder] {
        const int field = binder.propertyAt(QApplication::focusWidget());
        return Place{binder.record(), binder.groupOf(field), field};
    });
    connect(&binder, &CPropertyBinder::shown, actions, &RecordCopyActions::updateActions);
    return actions;
}

void RecordCopyActions::updateActions()
{
    const Place at = place_();
    const bool hasRecord = at.record >= 0 && view_.document().isLoaded();
    copy_->setEnabled(hasRecord);
    paste_->setEnabled(hasRecord && platform::clipboardHasBlock(recordFormat()));
    bool changed = false;
    bool fieldChanged = false;
    if (hasRecord) {
        const QSet<int> ids = fieldsChangedSinceFile(PropertyTable(view_.document(), kind_), at.record);
        changed = !ids.isEmpty();
        fieldChanged = at.field >= 0 && ids.contains(at.field);
    }
    revertRecord_->setEnabled(changed);
    revertField_->setEnabled(fieldChanged);
}

void RecordCopyActions::copyRecord()
{
    const Place at = place_();
    if (at.record < 0)
        return;
    platform::putClipboardBlock(recordFormat(), RecordCopy::of(PropertyTable(view_.document(), kind_), at.record).toClipboard());
    updateActions();
}

void RecordCopyActions::pasteRecord()
{
    const Place at = place_();
    if (at.record < 0)
        return;
    const std::optional<RecordCopy> copy = RecordCopy::fromClipboard(platform::clipboardBlock(recordFormat()));
    const PropertyTable table(view_.document(), kind_);
    if (!copy || copy->kind != kind_) {
        view_.showMessage(tr("The clipboard holds no %1 to paste.").arg(table.part().recordWord().toLower()),
                          tr("Paste Record"), platform::MessageIcon::Warning);
        return;
    }
    FieldChoice choice;
    const PropertyList list = table.properties(at.record);
    QStringList answers{tr("All Fields")};
    if (at.group >= 0)
        answers.append(tr("Only \"%1\"").arg(groupLabel(list, at.group)));
    const int answer = view_.askChoice(
        tr("Which fields of %1 should %2 take?").arg(table.recordTitle(copy->index), table.recordTitle(at.record)),
        tr("Paste Record"), answers);
    if (answer < 0)
        return;
    if (answer == 1)
        choice.group = at.group;
    if (storeRecordCopy(view_.document(), table, at.record, *copy, choice, tr("Paste Record")) == 0)
        view_.showMessage(tr("%1 already has those values.").arg(table.recordTitle(at.record)), tr("Paste Record"),
                          platform::MessageIcon::Information);
}

void RecordCopyActions::revertRecord()
{
    const Place at = place_();
    if (at.record < 0)
        return;
    const PropertyTable table(view_.document(), kind_);
    storeRecordCopy(view_.document(), table, at.record, RecordCopy::inFile(table, at.record), {}, tr("Revert Record"));
}

void RecordCopyActions::revertField()
{
    const Place at = place_();
    if (at.record < 0 || at.field < 0)
        return;
    const PropertyTable table(view_.document(), kind_);
    storeRecordCopy(view_.document(), table, at.record, RecordCopy::inFile(table, at.record),
                    {std::nullopt, at.field}, tr("Revert Field"));
}

}  // namespace tessel
