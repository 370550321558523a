#include "records/views/cmonsterformationview.h"

#include "document/cff3doc.h"
#include "document/editcommands.h"
#include "records/formationproperties.h"
#include "records/views/cformationpreviewbox.h"
#include "records/views/cpropertybinder.h"
#include "uikit/creferenceslist.h"
#include "records/views/documentnames.h"
#include "records/views/pictureexport.h"
#include "records/views/recordcopyactions.h"
#include "uikit/crangespinbox.h"
#include "uikit/gamenamelist.h"
#include "document/parts/formationspart.h"
#include "document/parts/monsterspart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessel {

namespace {

using namespace formationprops;

// Each drag is one undo step: the moves of one drag share a merge key.
constexpr int kFirstDragKey = 0x40000;

}  // namespace

CMonsterFormationView::CMonsterFormationView(CFF3Doc& doc, QWidget* parent) : CEditorView(doc, parent)
{
    binder_ = new CPropertyBinder(doc, RecordKind::Formation, this);
    binder_->setRecord(0);
    recordActions_ = RecordCopyActions::forBinder(*this, RecordKind::Formation, *binder_);

    number_ = new CRangeSpinBox(this);
    number_->setObjectName(QStringLiteral("formationNumber"));
    number_->setRange(0, records::kFormationCount - 1);
    auto* numberLabel = new QLabel(tr("Formation Number:"), this);
    numberLabel->setBuddy(number_);

    template_ = new CRangeSpinBox(this);
    template_->setObjectName(QStringLiteral("sizeTemplate"));
    template_->setClamping(true);
    binder_->bindNumber(kTemplate, template_);
    templateLines_ = new QListWidget(this);
    templateLines_->setObjectName(QStringLiteral("templateLines"));
    templateLines_->setSelectionMode(QAbstractItemView::NoSelection);
    templateLines_->setFixedHeight(6 * templateLines_->fontMetrics().height() + 12);

    preview_ = new CFormationPreviewBox(this);
    preview_->setObjectName(QStringLiteral("preview"));
    export_ = new QPushButton(tr("Export Picture..."), this);
    export_->setObjectName(QStringLiteral("exportPicture"));

    auto* top = new QHBoxLayout;
    top->addWidget(numberLabel);
    top->addWidget(number_);
    top->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(makeSlots());
    left->addWidget(makeBattleControls());
    references_ = new CReferencesList(doc, this);
    left->addWidget(references_, 1);

    auto* templateRow = new QHBoxLayout;
    templateRow->addWidget(new QLabel(tr("Monster Size Template:"), this));
    templateRow->addWidget(template_);
    templateRow->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(preview_);
    right->addWidget(export_, 0, Qt::AlignLeft);
    right->addLayout(templateRow);
    right->addWidget(templateLines_);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(number_, &QSpinBox::valueChanged, this, &CMonsterFormationView::showFormation);
    connect(number_, &CRangeSpinBox::rangeRefused, this,
            [this](const QString& message) { showMessage(message, QStringLiteral("Tessel"), platform::MessageIcon::Warning); });
    connect(binder_, &CPropertyBinder::shown, this, &CMonsterFormationView::refresh);
    connect(binder_, &CPropertyBinder::shown, this,
            [this] { references_->setSubject(RecordRef(RecordKind::Formation, binder_->record())); });
    connect(references_, &CReferencesList::subjectRequested, this, &CMonsterFormationView::subjectRequested);
    references_->setSubject(RecordRef(RecordKind::Formation, binder_->record()));
    connect(preview_, &CFormationPreviewBox::dragStarted, this, [this] { ++dragKey_; });
    connect(preview_, &CFormationPreviewBox::slotDragged, this, &CMonsterFormationView::moveSlot);
    connect(export_, &QPushButton::clicked, this, &CMonsterFormationView::exportPictureAsked);
    refresh();
}

QWidget* CMonsterFormationView::makeSlots()
{
    auto* box = new QGroupBox(tr("Monsters"), this);
    auto* grid = new QGridLayout(box);
    for (int k = 0; k < kSlots; ++k) {
        SlotControls& c = slots_[std::size_t(k)];
        c.present = new QCheckBox(tr("Enemy %1:").arg(k + 1), box);
        c.present->setObjectName(QStringLiteral("present%1").arg(k + 1));
        c.monster = documentnames::slotList(document(), records::kMonsterCount, documentnames::monsters(document()),
                                            records::kMonsterNameWidth, 1, false, box);
        c.monster->setObjectName(QStringLiteral("monster%1").arg(k + 1));
        c.monster->setGoToKind(RecordKind::Monster);
        c.x = new QSpinBox(box);
        c.x->setObjectName(QStringLiteral("x%1").arg(k + 1));
        c.y = new QSpinBox(box);
        c.y->setObjectName(QStringLiteral("y%1").arg(k + 1));
        c.select = new QPushButton(QString::number(k + 1), box);
        c.select->setObjectName(QStringLiteral("select%1").arg(k + 1));
        c.select->setCheckable(true);
        c.select->setFixedWidth(c.select->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);

        binder_->bindFlag(slotField(k + 1, kPresent), c.present);
        binder_->bindNameRow(slotField(k + 1, kMonster), c.monster, 0);
        binder_->bindNumber(slotField(k + 1, kX), c.x);
        binder_->bindNumber(slotField(k + 1, kY), c.y);
        // A slot that leaves the formation is no longer selected.
        connect(c.present, &QCheckBox::clicked, this, [this, k] { slots_[std::size_t(k)].select->setChecked(false); });
        connect(c.select, &QPushButton::toggled, this, [this, k](bool on) {
            if (on)
                selectSlot(k);
            else
                refresh();
        });

        grid->addWidget(c.present, k, 0);
        grid->addWidget(c.monster, k, 1);
        grid->addWidget(new QLabel(tr("X Pos:"), box), k, 2);
        grid->addWidget(c.x, k, 3);
        grid->addWidget(new QLabel(tr("Y Pos:"), box), k, 4);
        grid->addWidget(c.y, k, 5);
        grid->addWidget(c.select, k, 6);
    }
    return box;
}

QWidget* CMonsterFormationView::makeBattleControls()
{
    auto* box = new QGroupBox(tr("Battle"), this);
    auto* layout = new QGridLayout(box);
    auto* appearance = new QComboBox(box);
    appearance->setObjectName(QStringLiteral("appearance"));
    binder_->bindChoice(kAppearance, appearance);
    layout->addWidget(new QLabel(tr("Appearance:"), box), 0, 0);
    layout->addWidget(appearance, 0, 1, 1, 2);

    auto addCheck = [&](int id, const QString& text, const QString& name, int row, int column) {
        auto* check = new QCheckBox(text, box);
        check->setObjectName(name);
        binder_->bindFlag(id, check);
        layout->addWidget(check, row, column, 1, column == 0 ? 1 : 2);
        return check;
    };
    addCheck(kDisableNormal, tr("Disable normal attacks"), QStringLiteral("disableNormal"), 1, 0);
    addCheck(kDisableNormal + 1, tr("Disable back attacks"), QStringLiteral("disableBack"), 1, 1);
    addCheck(kDisableNormal + 2, tr("Disable pincer attacks"), QStringLiteral("disablePincer"), 2, 0);
    addCheck(kDisableNormal + 3, tr("Disable side attacks"), QStringLiteral("disableSide"), 2, 1);
    addCheck(kDisableFanfare, tr("Disable fanfare at end of battle"), QStringLiteral("disableFanfare"), 3, 0);
    addCheck(kShowAttackType, tr("Show attack type at beginning of battle"),
             QStringLiteral("showAttackType"), 4, 0);

    addCheck(kExecuteScript, tr("Execute script:"), QStringLiteral("executeScript"), 5, 0);
    auto* script = new QSpinBox(box);
    script->setObjectName(QStringLiteral("script"));
    binder_->bindNumber(kScript, script);
    layout->addWidget(script, 5, 1);

    addCheck(kPlayMusic, tr("Play music:"), QStringLiteral("playMusic"), 6, 0);
    auto* music = new QComboBox(box);
    music->setObjectName(QStringLiteral("music"));
    binder_->bindChoice(kMusic, music);
    layout->addWidget(music, 6, 1, 1, 2);
    layout->setColumnStretch(2, 1);
    return box;
}

void CMonsterFormationView::setSubject(const RecordRef& subject)
{
    if (subject.kind == RecordKind::Formation && !subject.isWhole())
        number_->setValue(subject.index);
}

int CMonsterFormationView::currentFormation() const
{
    return binder_->record();
}

void CMonsterFormationView::showFormation(int formation)
{
    // Another formation starts without a selected slot.
    for (const SlotControls& c : slots_) {
        const QSignalBlocker quiet(c.select);
        c.select->setChecked(false);
    }
    binder_->setRecord(formation);
}

int CMonsterFormationView::selectedSlot() const
{
    for (int k = 0; k < kSlots; ++k)
        if (slots_[std::size_t(k)].select->isChecked())
            return k;
    return -1;
}

void CMonsterFormationView::selectSlot(int k)
{
    for (int other = 0; other < kSlots; ++other) {
        const QSignalBlocker quiet(slots_[std::size_t(other)].select);
        slots_[std::size_t(other)].select->setChecked(other == k);
    }
    refresh();
}

void CMonsterFormationView::refresh()
{
    const FormationPreview::Slots lineup = FormationPreview::slotsOf(document().part<FormationsPart>().table(), currentFormation());
    for (int k = 0; k < kSlots; ++k) {
        const SlotControls& c = slots_[std::size_t(k)];
        const bool present = lineup[std::size_t(k)].present;
        for (QWidget* control : {static_cast<QWidget*>(c.monster), static_cast<QWidget*>(c.x),
                                 static_cast<QWidget*>(c.y), static_cast<QWidget*>(c.select)})
            control->setEnabled(present);
        if (!present && c.select->isChecked()) {
            const QSignalBlocker quiet(c.select);
            c.select->setChecked(false);
        }
    }

    templateLines_->clear();
    const int templateNumber = int(binder_->value(kTemplate));
    if (templateNumber < records::kSizeTemplateCount) {
        const SizeTemplate& sizes = document().part<FormationsPart>().table().sizeTemplates[std::size_t(templateNumber)];
        for (int e = 0; e < sizes.count; ++e) {
            const SizeTemplateEntry& entry = sizes.entries[std::size_t(e)];
            templateLines_->addItem(tr("Enemy %1: ($%2) %3 x %4")
                                        .arg(e + 1)
                                        .arg(QString::number(entry.code, 16).toUpper().rightJustified(4, QLatin1Char('0')))
                                        .arg(entry.width * 8)
                                        .arg(entry.height * 8));
        }
    } else {
        templateLines_->addItem(tr("There is no template %1: the game has templates 0 to %2.")
                                    .arg(templateNumber)
                                    .arg(records::kSizeTemplateCount - 1));
    }
    preview_->setPreview(composePreview(), lineup, selectedSlot());
}

QImage CMonsterFormationView::composePreview() const
{
    return FormationPreview::compose(FormationPreview::slotsOf(document().part<FormationsPart>().table(), currentFormation()),
                                     selectedSlot(), document().part<MonstersPart>().table(), palette().highlight().color());
}

void CMonsterFormationView::moveSlot(int k, QPoint position)
{
    const quint8 cells = quint8(position.x() << 4 | position.y());
    document().undoStack()->push(makeSetByte(document(), document().part<FormationsPart>().bytes(RecordPart::Record, currentFormation()),
                                             kPositionBytes + k, cells, tr("Move Enemy %1").arg(k + 1),
                                             kFirstDragKey + dragKey_));
}

bool CMonsterFormationView::exportPicture(const QString& path)
{
    const QString failure = pictureexport::write(composePreview(), path);
    if (!failure.isEmpty())
        showMessage(failure, QStringLiteral("Tessel"), platform::MessageIcon::Warning);
    return failure.isEmpty();
}

void CMonsterFormationView::exportPictureAsked()
{
    const QString path = pictureexport::askPath(fileChooser(), this, QStringLiteral("formation-%1.png").arg(currentFormation()));
    if (!path.isEmpty())
        exportPicture(path);
}

QList<QAction*> CMonsterFormationView::editActions()
{
    return recordActions_->actions();
}

}  // namespace tessel
