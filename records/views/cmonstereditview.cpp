#include "records/views/cmonstereditview.h"

#include "document/cff3doc.h"
#include "records/monsterpicture.h"
#include "records/views/cmonstereditsheet.h"
#include "records/views/cmonsterstatspage.h"
#include "records/views/cpropertybinder.h"
#include "records/views/crecordlist.h"
#include "records/views/pictureexport.h"
#include "records/views/recordcopyactions.h"
#include "uikit/creferenceslist.h"
#include "document/parts/monsterspart.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>

namespace tessel {

CMonsterEditView::CMonsterEditView(CFF3Doc& doc, QWidget* parent) : CEditorView(doc, parent)
{
    list_ = new CRecordList(doc, RecordKind::Monster, records::kMonsterCount, this);
    binder_ = new CPropertyBinder(doc, RecordKind::Monster, this);
    // The pages take their labels from the list of a shown monster.
    binder_->setRecord(0);
    recordActions_ = RecordCopyActions::forBinder(*this, RecordKind::Monster, *binder_);
    sheet_ = new CMonsterEditSheet(doc, *binder_, this);

    references_ = new CReferencesList(doc, this);
    auto* right = new QSplitter(Qt::Vertical, this);
    right->addWidget(sheet_);
    right->addWidget(references_);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(right, 1);

    connect(list_, &CRecordList::recordSelected, binder_, &CPropertyBinder::setRecord);
    connect(binder_, &CPropertyBinder::shown, this,
            [this] { references_->setSubject(RecordRef(RecordKind::Monster, binder_->record())); });
    connect(references_, &CReferencesList::subjectRequested, this, &CMonsterEditView::subjectRequested);
    references_->setSubject(RecordRef(RecordKind::Monster, binder_->record()));
    connect(sheet_->statsPage()->exportButton(), &QPushButton::clicked, this, &CMonsterEditView::exportPictureAsked);
    list_->selectRecord(0);
}

int CMonsterEditView::currentMonster() const
{
    return binder_->record();
}

void CMonsterEditView::setSubject(const RecordRef& subject)
{
    if (subject.kind == RecordKind::Monster && !subject.isWhole())
        selectMonster(subject.index);
}

void CMonsterEditView::selectMonster(int monster)
{
    list_->selectRecord(monster);
}

bool CMonsterEditView::exportPicture(const QString& path)
{
    const QString failure = pictureexport::write(MonsterPicture::render(document().part<MonstersPart>().table(), currentMonster()), path);
    if (!failure.isEmpty())
        showMessage(failure, QStringLiteral("Tessel"), platform::MessageIcon::Warning);
    return failure.isEmpty();
}

void CMonsterEditView::exportPictureAsked()
{
    const QString path = pictureexport::askPath(fileChooser(), this, QStringLiteral("monster-%1.png").arg(currentMonster()));
    if (!path.isEmpty())
        exportPicture(path);
}

QList<QAction*> CMonsterEditView::editActions()
{
    return recordActions_->actions();
}

}  // namespace tessel
