#include "records/views/ccharstatsview.h"
#include "records/views/cmonstereditsheet.h"
#include "records/views/cmonstereditview.h"
#include "records/views/cmonsterformationview.h"
#include "tests/gui/viewonsample.h"
#include "uikit/crangespinbox.h"

#include <QDir>
#include <QPixmap>

// Pictures of the monster, formation and character editors on the sample
// ROM, for a look by eye.
namespace {

void writeShot(QWidget& widget, const QString& name)
{
    const QString dir = QStringLiteral(TESSEL_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(dir));
    settle();
    const QPixmap shot = widget.grab();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(dir + QLatin1Char('/') + name)) << name.toStdString();
}

}  // namespace

TEST(Screenshots, MonsterFormationAndCharacterEditors)
{
    {
        ViewOnSample<CMonsterEditView> v;
        v.view->resize(960, 680);
        v.view->selectMonster(15);
        ASSERT_EQ(v.view->currentMonster(), 15);
        writeShot(*v.view, QStringLiteral("monster-statistics.png"));
        v.view->sheet()->setCurrentIndex(1);
        writeShot(*v.view, QStringLiteral("monster-items-abilities.png"));
    }
    {
        // Formation 5 of the sample holds six monsters; the second is selected.
        ViewOnSample<CMonsterFormationView> v;
        v.view->resize(1100, 680);
        v.view->formationNumber()->setValue(5);
        v.view->selectSlot(1);
        ASSERT_EQ(v.view->selectedSlot(), 1);
        writeShot(*v.view, QStringLiteral("formation-editor.png"));
    }
    {
        ViewOnSample<CCharStatsView> v;
        v.view->resize(900, 600);
        v.view->characterNumber()->setValue(1);
        writeShot(*v.view, QStringLiteral("character-form.png"));
    }
}
