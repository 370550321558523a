#include "records/views/cmonsterstatspage.h"

#include "document/parts/monsterspart.h"
#include "records/monsterpicture.h"
#include "records/monsterproperties.h"
#include "records/recordlabels.h"
#include "records/views/cpicturebox.h"
#include "records/views/cpropertybinder.h"
#include "uikit/gamenameedit.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessel {

namespace {

// The statistics in two columns: the eight one-byte ones, then the rest.
constexpr int kFirstColumnStats = 8;
constexpr int kElementCount = 8;

}  // namespace

CMonsterStatsPage::CMonsterStatsPage(CFF3Doc& doc, CPropertyBinder& binder, QWidget* parent)
    : QWidget(parent), doc_(doc), binder_(binder)
{
    using namespace monsterprops;
    name_ = new GameNameEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setDocument(&doc);
    binder.bindText(kName, name_);

    auto* numbers = new QHBoxLayout;
    QFormLayout* column = nullptr;
    const PropertyList& list = binder.properties();
    for (int i = 0; i < kStatCount; ++i) {
        if (i == 0 || i == kFirstColumnStats) {
            column = new QFormLayout;
            numbers->addLayout(column);
        }
        auto* box = new QSpinBox(this);
        box->setObjectName(QStringLiteral("stat%1").arg(i));
        const Property* p = list.find(kFirstStat + i);
        column->addRow(p ? p->label + QLatin1Char(':') : QString(), box);
        binder.bindNumber(kFirstStat + i, box);
    }
    numbers->addStretch(1);

    picture_ = new CPictureBox({kPictureSize, kPictureSize}, this);
    picture_->setObjectName(QStringLiteral("picture"));
    export_ = new QPushButton(tr("Export Picture..."), this);
    export_->setObjectName(QStringLiteral("exportPicture"));
    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(picture_);
    pictureColumn->addWidget(export_);
    pictureColumn->addStretch(1);

    statuses_ = new QListWidget(this);
    statuses_->setObjectName(QStringLiteral("statuses"));
    for (int k = 0; k < 32; ++k) {
        auto* item = new QListWidgetItem(
            QCoreApplication::translate("RecordProperties",
                                        recordlabels::kMonsterStatuses[std::size_t(k / 8)][std::size_t(k % 8)]),
            statuses_);
        binder.bindCheck(kFirstStatus + k, item);
    }

    elements_ = new QTreeWidget(this);
    elements_->setObjectName(QStringLiteral("elements"));
    elements_->setRootIsDecorated(false);
    elements_->setHeaderLabels({tr("Element"), tr("Absorb"), tr("No. Eff."),
                                tr("Weak")});
    for (int e = 0; e < kElementCount; ++e) {
        auto* item = new QTreeWidgetItem(
            elements_,
            {QCoreApplication::translate("RecordProperties", recordlabels::kMonsterElements[std::size_t(e)])});
        binder.bindCheck(kFirstAbsorb + e, item, AbsorbColumn);
        binder.bindCheck(kFirstNoEffect + e, item, NoEffectColumn);
        binder.bindCheck(kFirstWeak + e, item, WeakColumn);
    }
    elements_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Name:"), this));
    nameRow->addWidget(name_);
    nameRow->addStretch(1);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(nameRow);
    left->addLayout(numbers);
    left->addStretch(1);
    top->addLayout(left, 1);
    top->addLayout(pictureColumn);

    auto* statusColumn = new QVBoxLayout;
    statusColumn->addWidget(new QLabel(tr("Status Condition Effects:"), this));
    statusColumn->addWidget(statuses_);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(statusColumn, 1);
    bottom->addWidget(elements_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom, 1);

    connect(&binder, &CPropertyBinder::shown, this, &CMonsterStatsPage::showPicture);
    showPicture();
}

void CMonsterStatsPage::showPicture()
{
    picture_->setPicture(MonsterPicture::render(doc_.part<MonstersPart>().table(), binder_.record()));
}

}  // namespace tessel
