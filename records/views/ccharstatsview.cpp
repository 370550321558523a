#include "records/views/ccharstatsview.h"

#include "document/cff3doc.h"
#include "records/characterproperties.h"
#include "records/views/cpropertybinder.h"
#include "uikit/creferenceslist.h"
#include "records/views/documentnames.h"
#include "records/views/recordcopyactions.h"
#include "uikit/crangespinbox.h"
#include "uikit/gamenameedit.h"
#include "uikit/gamenamelist.h"
#include "document/parts/characterspart.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessel {

namespace {

using namespace characterprops;

enum ProgressionColumn { LevelColumn = 0, HpColumn, MpColumn };
constexpr int kBattlePower = kFirstStat + 4;

}  // namespace

CCharStatsView::CCharStatsView(CFF3Doc& doc, QWidget* parent) : CEditorView(doc, parent)
{
    binder_ = new CPropertyBinder(doc, RecordKind::Character, this);
    binder_->setRecord(0);
    recordActions_ = RecordCopyActions::forBinder(*this, RecordKind::Character, *binder_);

    number_ = new CRangeSpinBox(this);
    number_->setObjectName(QStringLiteral("characterNumber"));
    number_->setRange(0, records::kCharacterCount - 1);
    number_->setClamping(true);

    // The name is shown here, not edited.
    name_ = new GameNameEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setDocument(&doc);
    name_->setFocusPolicy(Qt::NoFocus);
    name_->setAttribute(Qt::WA_TransparentForMouseEvents);
    binder_->bindText(kName, name_);

    auto* header = new QFormLayout;
    header->addRow(tr("Character:"), number_);
    header->addRow(tr("Name:"), name_);

    auto* numbers = new QFormLayout;
    numbers->addRow(tr("HP at Level 1:"), addNumber(kLevel1Hp));
    numbers->addRow(tr("MP at Level 1:"), addNumber(kLevel1Mp));
    const PropertyList& list = binder_->properties();
    for (int i = 0; i < kStatCount; ++i) {
        const Property* p = list.find(kFirstStat + i);
        QSpinBox* box = addNumber(kFirstStat + i);
        const QString label = (p ? p->label : QString()) + QLatin1Char(':');
        if (kFirstStat + i == kBattlePower) {
            // The game adds 10 to the stored battle power.
            auto* row = new QHBoxLayout;
            row->addWidget(box);
            row->addWidget(new QLabel(QStringLiteral("+ 10"), this));
            numbers->addRow(label, row);
        } else {
            numbers->addRow(label, box);
        }
    }

    equipment_ = documentnames::slotList(doc, records::kItemCount, documentnames::items(doc), records::kItemNameWidth,
                                         kEquipmentCount, false, this);
    equipment_->setObjectName(QStringLiteral("equipment"));
    equipment_->setGoToKind(RecordKind::Item);
    commands_ = documentnames::slotList(doc, records::kCommandCount, documentnames::commands(doc),
                                        records::kCommandNameWidth, kCommandCount, true, this);
    commands_->setObjectName(QStringLiteral("commands"));
    auto* equipmentLabels = new QVBoxLayout;
    equipmentLabels->setSpacing(0);
    equipmentLabels->setContentsMargins(0, equipment_->frameWidth(), 0, 0);
    for (int i = 0; i < kEquipmentCount; ++i) {
        binder_->bindNameRow(kFirstEquipment + i, equipment_, i);
        auto* label = new QLabel(list.find(kFirstEquipment + i)->label + QLatin1Char(':'), this);
        label->setFixedHeight(GameNameList::kRowHeight);
        equipmentLabels->addWidget(label);
    }
    equipmentLabels->addStretch(1);
    for (int i = 0; i < kCommandCount; ++i)
        binder_->bindNameRow(kFirstCommand + i, commands_, i);

    auto* equipmentRow = new QHBoxLayout;
    equipmentRow->addLayout(equipmentLabels);
    equipmentRow->addWidget(equipment_, 0, Qt::AlignTop);
    equipmentRow->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(new QLabel(tr("Equipment:"), this));
    middle->addLayout(equipmentRow);
    middle->addSpacing(8);
    middle->addWidget(new QLabel(tr("Battle commands:"), this));
    middle->addWidget(commands_);
    middle->addStretch(1);

    progression_ = new QTreeWidget(this);
    progression_->setObjectName(QStringLiteral("progression"));
    progression_->setRootIsDecorated(false);
    progression_->setHeaderLabels({tr("Level"), tr("HP"), tr("MP")});
    for (int level = 1; level <= kLevels; ++level)
        new QTreeWidgetItem(progression_, {QString::number(level)});
    for (int column : {LevelColumn, HpColumn, MpColumn})
        progression_->headerItem()->setTextAlignment(column, Qt::AlignRight);
    // Narrow columns in a list just wide enough for them, so that all
    // three stay in sight side by side.
    const int columnWidth = progression_->fontMetrics().horizontalAdvance(QStringLiteral("Level 99999"));
    for (int column : {LevelColumn, HpColumn, MpColumn})
        progression_->setColumnWidth(column, columnWidth);
    progression_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    progression_->setFixedWidth(3 * columnWidth + progression_->verticalScrollBar()->sizeHint().width() +
                                2 * progression_->frameWidth() + 8);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("HP and MP Progression:"), this));
    right->addWidget(progression_, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(header);
    left->addLayout(numbers);
    references_ = new CReferencesList(doc, this);
    left->addWidget(references_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(middle);
    layout->addLayout(right);
    layout->addStretch(1);

    connect(number_, &QSpinBox::valueChanged, this, &CCharStatsView::showCharacter);
    connect(binder_, &CPropertyBinder::shown, this, &CCharStatsView::showProgression);
    connect(binder_, &CPropertyBinder::shown, this,
            [this] { references_->setSubject(RecordRef(RecordKind::Character, binder_->record())); });
    connect(references_, &CReferencesList::subjectRequested, this, &CCharStatsView::subjectRequested);
    references_->setSubject(RecordRef(RecordKind::Character, binder_->record()));
    showProgression();
}

QSpinBox* CCharStatsView::addNumber(int id)
{
    auto* box = new QSpinBox(this);
    box->setObjectName(QStringLiteral("number%1").arg(id));
    binder_->bindNumber(id, box);
    return box;
}

QSpinBox* CCharStatsView::numberBox(int id) const
{
    return findChild<QSpinBox*>(QStringLiteral("number%1").arg(id));
}

void CCharStatsView::setSubject(const RecordRef& subject)
{
    if (subject.kind == RecordKind::Character && !subject.isWhole())
        number_->setValue(subject.index);
}

int CCharStatsView::currentCharacter() const
{
    return binder_->record();
}

void CCharStatsView::showCharacter(int character)
{
    binder_->setRecord(character);
}

void CCharStatsView::showProgression()
{
    const CharacterTables& tables = document().part<CharactersPart>().table();
    const std::vector<LevelStats> rows =
        characterprops::progression(int(binder_->value(kLevel1Hp)), int(binder_->value(kLevel1Mp)), tables.hpGain, tables.mpGain);
    for (int row = 0; row < int(rows.size()) && row < progression_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = progression_->topLevelItem(row);
        item->setText(HpColumn, QString::number(rows[std::size_t(row)].hp));
        item->setText(MpColumn, QString::number(rows[std::size_t(row)].mp));
        for (int column : {LevelColumn, HpColumn, MpColumn})
            item->setTextAlignment(column, Qt::AlignRight);
    }
}

QList<QAction*> CCharStatsView::editActions()
{
    return recordActions_->actions();
}

}  // namespace tessel
