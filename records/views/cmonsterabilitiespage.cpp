#include "records/views/cmonsterabilitiespage.h"

#include "document/cff3doc.h"
#include "document/parts/monsterspart.h"
#include "records/monsterproperties.h"
#include "records/views/cpropertybinder.h"
#include "records/views/documentnames.h"
#include "uikit/gamenameedit.h"
#include "uikit/gamenamelist.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessel {

namespace {

constexpr int kItemsPerPackage = 4;
constexpr int kPackages = records::kMonsterPackagesSize / kItemsPerPackage;  // 26

}  // namespace

CMonsterAbilitiesPage::CMonsterAbilitiesPage(CFF3Doc& doc, CPropertyBinder& binder, QWidget* parent)
    : QWidget(parent), doc_(doc), binder_(binder)
{
    using namespace monsterprops;
    attack_ = new GameNameEdit(this);
    attack_->setObjectName(QStringLiteral("attack"));
    attack_->setDocument(&doc);
    binder.bindText(kAttackName, attack_);

    package_ = new QSpinBox(this);
    package_->setObjectName(QStringLiteral("package"));
    binder.bindNumber(kPackage, package_);
    miss_ = new QSpinBox(this);
    miss_->setObjectName(QStringLiteral("miss"));
    binder.bindNumber(kMiss, miss_);

    packageItems_ = new GameNameList(this);
    packageItems_->setObjectName(QStringLiteral("packageItems"));
    packageItems_->setDocument(&doc);
    packageItems_->setNames(records::kItemCount, documentnames::items(doc));
    packageItems_->setMode(GameNameList::PlainMode);
    documentnames::fitToRows(packageItems_, records::kItemNameWidth, kItemsPerPackage);

    stolen_ = documentnames::slotList(doc, records::kItemCount, documentnames::items(doc), records::kItemNameWidth, 2,
                                      false, this);
    stolen_->setObjectName(QStringLiteral("stolen"));
    dropped_ = documentnames::slotList(doc, records::kItemCount, documentnames::items(doc), records::kItemNameWidth,
                                       2, false, this);
    dropped_->setObjectName(QStringLiteral("dropped"));
    stolen_->setGoToKind(RecordKind::Item);
    dropped_->setGoToKind(RecordKind::Item);
    for (int slot = 0; slot < 2; ++slot) {
        binder.bindNameRow(kFirstStolen + slot, stolen_, slot);
        binder.bindNameRow(kFirstDropped + slot, dropped_, slot);
    }

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("Attack:"), attack_);
    form->addRow(tr("Ragnarok Metamorphosis Package:"), package_);
    form->addRow(tr("Miss (0-7):"), miss_);
    form->addRow(QString(), packageItems_);

    auto* items = new QGridLayout;
    items->addWidget(new QLabel(tr("Items Stolen:"), this), 0, 0);
    items->addWidget(stolen_, 1, 0);
    items->addWidget(new QLabel(tr("Items Dropped:"), this), 0, 1);
    items->addWidget(dropped_, 1, 1);
    items->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addLayout(items);
    layout->addStretch(1);

    connect(&binder, &CPropertyBinder::shown, this, &CMonsterAbilitiesPage::showPackage);
    showPackage();
}

void CMonsterAbilitiesPage::showPackage()
{
    packageItems_->clear();
    const int package = int(binder_.value(monsterprops::kPackage));
    // Packages 26-31 are named by the byte but the table holds only 26.
    if (binder_.record() < 0 || package >= kPackages)
        return;
    for (int i = 0; i < kItemsPerPackage; ++i)
        packageItems_->addRow(doc_.part<MonstersPart>().table().packages[std::size_t(package * kItemsPerPackage + i)],
                              records::kItemNameWidth);
}

}  // namespace tessel
