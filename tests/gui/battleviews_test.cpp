#include "document/cff3doc.h"
#include "records/characterproperties.h"
#include "records/formationproperties.h"
#include "records/monsterpicture.h"
#include "records/monsterproperties.h"
#include "records/views/ccharstatsview.h"
#include "records/views/cformationpreviewbox.h"
#include "records/views/cmonsterabilitiespage.h"
#include "records/views/cmonstereditsheet.h"
#include "records/views/cmonstereditview.h"
#include "records/views/cmonsterformationview.h"
#include "records/views/cmonsterstatspage.h"
#include "records/views/cpicturebox.h"
#include "records/views/crecordlist.h"
#include "tests/gui/viewonsample.h"
#include "text/menutext.h"
#include "text/plainname.h"
#include "uikit/crangespinbox.h"
#include "uikit/gamenameedit.h"
#include "uikit/gamenamelist.h"
#include "uikit/gamenamepicker.h"
#include "document/parts/characterspart.h"
#include "document/parts/formationspart.h"
#include "document/parts/monsterspart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

using namespace tessel;

// The monster, formation and character editors driven as a user drives
// them, checked against the document's bytes.
namespace {

// Picks row `pickerRow` of the picker a slot row opens.
void pick(GameNameList* list, int row, int pickerRow)
{
    list->openPicker(row);
    settle();
    QListWidget* rows = list->picker()->list();
    rows->scrollToItem(rows->item(pickerRow));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->item(pickerRow)).center());
    settle();
}

// Types a number over what a box shows and leaves it with Enter.
void typeNumber(QSpinBox* box, const QString& digits)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, digits);
    QTest::keyClick(box, Qt::Key_Return);
    settle();
}

void dragMouse(QWidget* widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(widget->mapToGlobal(to)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
    settle();
}

}  // namespace

TEST(MonsterEditView, FieldsShowTheMonsterAndEachEditIsOneUndoableStep)
{
    ViewOnSample<CMonsterEditView> v;
    CMonsterStatsPage* stats = v.view->sheet()->statsPage();
    ASSERT_EQ(v.view->recordList()->nameList()->count(), records::kMonsterCount);
    v.view->selectMonster(40);
    settle();
    MonsterEntry& m = v.t.doc.part<MonstersPart>().table().monsters[40];
    auto* strength = stats->findChild<QSpinBox*>(QStringLiteral("stat0"));
    auto* hp = stats->findChild<QSpinBox*>(QStringLiteral("stat8"));
    ASSERT_NE(strength, nullptr);
    EXPECT_EQ(hp->value(), m.stats()[8] | m.stats()[9] << 8);
    EXPECT_EQ(stats->nameField()->name(), PropertyTable(v.t.doc, RecordKind::Monster).currentBytes(RecordPart::Name, 40).left(10));

    typeNumber(hp, QStringLiteral("54321"));
    EXPECT_EQ(m.stats()[8] | m.stats()[9] << 8, 54321);
    EXPECT_EQ(v.stack().count(), 1) << "typing a number is one step";
    EXPECT_TRUE(v.t.doc.isModified());

    // A status check and an element column.
    m.stats()[28] &= ~0x08;
    m.stats()[25] &= ~0x02;
    v.view->selectMonster(41);
    v.view->selectMonster(40);
    settle();
    QListWidgetItem* silence = stats->statusList()->item(8 + 3);
    EXPECT_EQ(silence->text(), QStringLiteral("Silence"));
    silence->setCheckState(Qt::Checked);
    EXPECT_EQ(m.stats()[28] & 0x08, 0x08);
    QTreeWidgetItem* ice = stats->elementList()->topLevelItem(1);
    ice->setCheckState(CMonsterStatsPage::WeakColumn, Qt::Checked);
    EXPECT_EQ(m.stats()[25] & 0x02, 0x02);
    EXPECT_EQ(v.stack().count(), 3);

    // Typing the name is one step, and the list shows the new name.
    GameNameEdit* name = stats->nameField();
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Home);
    QTest::keyClicks(name, QStringLiteral("Qx"));
    settle();
    EXPECT_EQ(v.stack().count(), 4);
    EXPECT_TRUE(menutext::PlainName(m.name().data(), 10).startsWith(QStringLiteral("Qx")));

    v.stack().undo();
    v.stack().undo();
    v.stack().undo();
    v.stack().undo();
    EXPECT_FALSE(v.t.doc.isModified());
    EXPECT_EQ(hp->value(), m.stats()[8] | m.stats()[9] << 8);
    EXPECT_EQ(silence->checkState(), Qt::Unchecked);
}

TEST(MonsterEditView, ItemsAbilitiesShowThePackageAndPickItems)
{
    ViewOnSample<CMonsterEditView> v;
    CMonsterAbilitiesPage* page = v.view->sheet()->abilitiesPage();
    MonsterEntry& m = v.t.doc.part<MonstersPart>().table().monsters[12];
    m.stats()[17] = 0xE5;
    v.view->selectMonster(12);
    settle();
    EXPECT_EQ(page->packageBox()->value(), 5);
    EXPECT_EQ(page->missBox()->value(), 7);
    ASSERT_EQ(page->packageItems()->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(page->packageItems()->rowValue(i), v.t.doc.part<MonstersPart>().table().packages[std::size_t(20 + i)]);
    // Packages 26-31 lie past the table: no items.
    typeNumber(page->packageBox(), QStringLiteral("27"));
    EXPECT_EQ(m.stats()[17], 0xE0 | 27);
    EXPECT_EQ(page->packageItems()->count(), 0);

    pick(page->droppedItems(), 1, 200);
    EXPECT_EQ(m.items()[3], 200);
    EXPECT_EQ(page->droppedItems()->rowValue(1), 200);
    pick(page->stolenItems(), 0, 255);
    EXPECT_EQ(m.items()[0], 255);
}

TEST(MonsterEditView, ExportPictureWritesTheShownPictureWithTransparency)
{
    ViewOnSample<CMonsterEditView> v;
    v.view->selectMonster(15);  // a boss: a large picture
    settle();
    const QString path = v.rom.dir() + QStringLiteral("/boss.png");
    ASSERT_TRUE(v.view->exportPicture(path));
    const QImage written(path);
    const QImage expected = MonsterPicture::render(v.t.doc.part<MonstersPart>().table(), 15);
    ASSERT_EQ(written.size(), QSize(128, 128));
    EXPECT_EQ(written.convertToFormat(QImage::Format_ARGB32), expected);
    EXPECT_EQ(qAlpha(written.pixel(127, 127)), 0);
    EXPECT_EQ(v.view->sheet()->statsPage()->pictureBox()->picture(), expected);

    EXPECT_FALSE(v.view->exportPicture(v.rom.dir() + QStringLiteral("/no/such/folder/x.png")));
    ASSERT_EQ(v.t.messages.entries.size(), 1);
    EXPECT_TRUE(v.t.messages.entries[0].text.startsWith(QStringLiteral("Could not save")));
}

TEST(MonsterFormationView, NumbersOutOfRangeAreRefusedOrClampedAsEachFieldSays)
{
    ViewOnSample<CMonsterFormationView> v;
    CRangeSpinBox* number = v.view->formationNumber();
    typeNumber(number, QStringLiteral("40"));
    EXPECT_EQ(v.view->currentFormation(), 40);
    typeNumber(number, QStringLiteral("576"));
    ASSERT_EQ(v.t.messages.entries.size(), 1);
    EXPECT_EQ(v.t.messages.entries[0].text, QStringLiteral("Please enter an integer between 0 and 575."));
    EXPECT_EQ(v.view->currentFormation(), 40);

    auto record = v.t.doc.part<FormationsPart>().table().formations[40].record();
    record[0] = 0x35;
    typeNumber(number, QStringLiteral("41"));
    typeNumber(number, QStringLiteral("40"));
    EXPECT_EQ(v.view->templateBox()->value(), 3);
    typeNumber(v.view->templateBox(), QStringLiteral("20"));
    EXPECT_EQ(v.view->templateBox()->value(), 12);
    EXPECT_EQ(record[0], 0xC5) << "the low nibble is kept";
    const SizeTemplate& sizes = v.t.doc.part<FormationsPart>().table().sizeTemplates[12];
    ASSERT_EQ(v.view->templateList()->count(), sizes.count);
    EXPECT_EQ(v.view->templateList()->item(0)->text(), QStringLiteral("Enemy 1: ($%1) %2 x %3")
                                                           .arg(QStringLiteral("%1").arg(sizes.entries[0].code, 4, 16, QLatin1Char('0')).toUpper())
                                                           .arg(sizes.entries[0].width * 8)
                                                           .arg(sizes.entries[0].height * 8));
}

TEST(MonsterFormationView, TheTemplateListWritesItsCodesInUpperCase)
{
    ViewOnSample<CMonsterFormationView> v;
    SizeTemplate& sizes = v.t.doc.part<FormationsPart>().table().sizeTemplates[3];
    sizes.entries[0].code = 0xAB1C;
    v.t.doc.part<FormationsPart>().table().formations[40].record()[0] = 0x30;
    typeNumber(v.view->formationNumber(), QStringLiteral("40"));
    ASSERT_GE(v.view->templateList()->count(), 1);
    EXPECT_TRUE(v.view->templateList()->item(0)->text().startsWith(QStringLiteral("Enemy 1: ($AB1C) ")))
        << v.view->templateList()->item(0)->text().toStdString();
}

TEST(MonsterFormationView, AStoredTemplatePastTwelveIsShownMarkedAndKept)
{
    ViewOnSample<CMonsterFormationView> v;
    auto record = v.t.doc.part<FormationsPart>().table().formations[40].record();
    record[0] = 0xD5;  // template 13
    typeNumber(v.view->formationNumber(), QStringLiteral("40"));
    CRangeSpinBox* box = v.view->templateBox();
    EXPECT_EQ(box->value(), 13);
    EXPECT_EQ(box->text(), QStringLiteral("13 (!)"));
    EXPECT_TRUE(box->toolTip().contains(QStringLiteral("13"))) << box->toolTip().toStdString();
    ASSERT_EQ(v.view->templateList()->count(), 1);
    EXPECT_EQ(v.view->templateList()->item(0)->text(),
              QStringLiteral("There is no template 13: the game has templates 0 to 12."));

    // Leaving the box as it is, and edits of other fields, keep the byte.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    v.view->slotCheck(0)->click();
    settle();
    EXPECT_EQ(record[0], 0xD5);
    EXPECT_EQ(v.t.doc.undoStack()->count(), 1);
    EXPECT_EQ(box->value(), 13);

    // The user's own number replaces it, and the mark goes.
    typeNumber(box, QStringLiteral("2"));
    EXPECT_EQ(record[0], 0x25);
    EXPECT_EQ(box->text(), QStringLiteral("2"));
    EXPECT_TRUE(box->toolTip().isEmpty());
}

TEST(MonsterFormationView, SlotsAndBattleControlsWriteTheirBits)
{
    ViewOnSample<CMonsterFormationView> v;
    FormationEntry& f = v.t.doc.part<FormationsPart>().table().formations[60];
    f.record()[1] = 0x3F;
    f.extra()[3] = 0x80;
    typeNumber(v.view->formationNumber(), QStringLiteral("60"));
    auto* playMusic = v.view->findChild<QCheckBox*>(QStringLiteral("playMusic"));
    EXPECT_FALSE(playMusic->isChecked()) << "bit 7 set: no music";
    auto* music = v.view->findChild<QComboBox*>(QStringLiteral("music"));
    music->setCurrentIndex(5);
    emit music->activated(5);
    EXPECT_EQ(f.extra()[3], 0x80 | 0x28);
    // On the box itself: the row is wider than its text.
    QTest::mouseClick(playMusic, Qt::LeftButton, {}, QPoint(6, playMusic->height() / 2));
    EXPECT_EQ(f.extra()[3], 0x28);

    // Slot 5 leaves the formation: its controls are disabled and it is no longer selected.
    v.view->slotButton(4)->click();
    EXPECT_EQ(v.view->selectedSlot(), 4);
    QTest::mouseClick(v.view->slotCheck(4), Qt::LeftButton);
    settle();
    EXPECT_EQ(f.record()[1], 0x2F);
    EXPECT_FALSE(v.view->slotX(4)->isEnabled());
    EXPECT_FALSE(v.view->slotMonster(4)->isEnabled());
    EXPECT_EQ(v.view->selectedSlot(), -1);

    // A monster above 255 sets bit 8 of its slot.
    pick(v.view->slotMonster(1), 0, 300);
    EXPECT_EQ(f.record()[3], 300 - 256);
    EXPECT_EQ(f.record()[14] & 0x02, 0x02);
    typeNumber(v.view->slotY(1), QStringLiteral("9"));
    EXPECT_EQ(f.record()[9] & 0x0F, 9);
}

TEST(MonsterFormationView, TheSelectedMonsterIsDraggedInWholeCellsUpToTheEdges)
{
    ViewOnSample<CMonsterFormationView> v;
    FormationEntry& f = v.t.doc.part<FormationsPart>().table().formations[0];
    f.record()[1] |= 0x01;
    f.record()[8] = 0x44;  // slot 1 at (4, 4)
    v.view->formationNumber()->setValue(1);
    v.view->formationNumber()->setValue(0);
    settle();
    CFormationPreviewBox* preview = v.view->preview();
    const int scale = CFormationPreviewBox::kScale;
    const FormationSlot slot = FormationPreview::slotsOf(v.t.doc.part<FormationsPart>().table(), 0)[0];
    ASSERT_GT(slot.width, 0);
    const QPoint inside = (FormationPreview::box(slot).topLeft() + QPoint(2, 2)) * scale;

    // Without a selected slot the mouse does nothing.
    dragMouse(preview, inside, inside + QPoint(40, 40));
    EXPECT_EQ(f.record()[8], 0x44);
    EXPECT_EQ(v.stack().count(), 0);

    v.view->selectSlot(0);
    dragMouse(preview, inside, inside + QPoint(2 * 8 * scale, 8 * scale));
    EXPECT_EQ(f.record()[8], 0x65);
    EXPECT_EQ(v.view->slotX(0)->value(), 6);
    EXPECT_EQ(v.view->slotY(0)->value(), 5);
    dragMouse(preview, inside + QPoint(2 * 8 * scale, 8 * scale), QPoint(-500, 2000));
    EXPECT_EQ(f.record()[8], 0x0F) << "stopped at X 0 and Y 15";
    EXPECT_EQ(v.stack().count(), 2) << "one step a drag";
    v.stack().undo();
    EXPECT_EQ(f.record()[8], 0x65);
}

TEST(MonsterFormationView, ExportPictureWritesThePreviewAsShown)
{
    ViewOnSample<CMonsterFormationView> v;
    v.view->formationNumber()->setValue(5);
    v.view->selectSlot(2);
    const QString path = v.rom.dir() + QStringLiteral("/formation.png");
    ASSERT_TRUE(v.view->exportPicture(path));
    const QImage written(path);
    ASSERT_EQ(written.size(), QSize(FormationPreview::kWidth, FormationPreview::kHeight));
    const QImage expected = FormationPreview::compose(FormationPreview::slotsOf(v.t.doc.part<FormationsPart>().table(), 5), 2,
                                                      v.t.doc.part<MonstersPart>().table(), v.view->palette().highlight().color());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), expected);
    EXPECT_NE(expected, FormationPreview::compose(FormationPreview::slotsOf(v.t.doc.part<FormationsPart>().table(), 5), -1,
                                                  v.t.doc.part<MonstersPart>().table(), v.view->palette().highlight().color()))
        << "the selection frame is part of the picture";
}

TEST(CharStatsView, TheNumberIsClampedAndTheProgressionFollowsLevelOne)
{
    ViewOnSample<CCharStatsView> v;
    typeNumber(v.view->characterNumber(), QStringLiteral("70"));
    EXPECT_EQ(v.view->characterNumber()->value(), 63);
    EXPECT_EQ(v.view->currentCharacter(), 63);
    EXPECT_TRUE(v.t.messages.entries.isEmpty());

    v.t.doc.part<CharactersPart>().table().hpGain[0] = 10;
    v.t.doc.part<CharactersPart>().table().hpGain[1] = 12;
    typeNumber(v.view->characterNumber(), QStringLiteral("3"));
    typeNumber(v.view->numberBox(characterprops::kLevel1Hp), QStringLiteral("40"));
    EXPECT_EQ(v.t.doc.part<CharactersPart>().table().characters[3].record[0], 40);
    QTreeWidget* rows = v.view->progression();
    ASSERT_EQ(rows->topLevelItemCount(), 99);
    EXPECT_EQ(rows->topLevelItem(0)->text(1), QStringLiteral("40"));
    EXPECT_EQ(rows->topLevelItem(1)->text(1), QStringLiteral("50"));
    EXPECT_EQ(rows->topLevelItem(2)->text(1), QStringLiteral("62"));
    EXPECT_EQ(rows->topLevelItem(98)->text(0), QStringLiteral("99"));
}

TEST(CharStatsView, EquipmentAndCommandPicksAreWrittenToTheRecord)
{
    ViewOnSample<CCharStatsView> v;
    typeNumber(v.view->characterNumber(), QStringLiteral("2"));
    auto& record = v.t.doc.part<CharactersPart>().table().characters[2].record;
    for (int slot = 0; slot < characterprops::kEquipmentCount; ++slot)
        pick(v.view->equipment(), slot, 100 + slot);
    for (int slot = 0; slot < characterprops::kEquipmentCount; ++slot)
        EXPECT_EQ(record[std::size_t(15 + slot)], 100 + slot);
    pick(v.view->commands(), 2, 0);  // "None"
    EXPECT_EQ(record[4], 0xFF);
    pick(v.view->commands(), 3, 1 + 9);
    EXPECT_EQ(record[5], 9);
    EXPECT_EQ(v.stack().count(), characterprops::kEquipmentCount + 2);

    // The name is shown, not edited.
    const auto name = v.t.doc.part<CharactersPart>().table().characters[2].name;
    QTest::keyClicks(v.view->nameField(), QStringLiteral("Zz"));
    EXPECT_EQ(v.t.doc.part<CharactersPart>().table().characters[2].name, name);
}
