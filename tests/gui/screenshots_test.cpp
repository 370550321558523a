#include "shell/caboutbox.h"
#include "shell/ctabbedframe.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/mapviewactions.h"
#include "worldmap/worldmap.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QMouseEvent>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// Lets layouts and deferred paints settle before grabbing.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void writeShot(QWidget& window, const QString& name)
{
    const QString dir = QStringLiteral(TESSEL_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(dir));
    settle();
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), window.size() * shot.devicePixelRatio());
    ASSERT_TRUE(shot.save(dir + QLatin1Char('/') + name)) << name.toStdString();
}

}  // namespace

// Pictures of the main window and of every group's frame for a look by eye.
TEST(Screenshots, MainWindowAndEveryGroupFrame)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    writeShot(app.frame(), QStringLiteral("main-window.png"));

    CAboutBox about(&app.frame());
    about.show();
    writeShot(about, QStringLiteral("about-box.png"));
    about.hide();

    const struct {
        const char* item;
        const char* file;
    } groups[] = {
        {"World of Balance", "frame-world-map.png"},
        {"Dialogue and Fonts", "frame-dialogue.png"},
        {"Items and Magic", "frame-items.png"},
        {"Monsters", "frame-monsters.png"},
        {"Characters", "frame-characters.png"},
    };
    for (const auto& group : groups) {
        QTreeWidgetItem* item = findItem(app.tree(), QString::fromLatin1(group.item));
        if (!item) {
            // No world maps in the document yet: the frame without its map.
            CTabbedFrame frame(app.doc(), 148);
            ASSERT_TRUE(frame.load(QStringLiteral("TVGWorldMapGroup")));
            frame.initialUpdate();
            writeShot(frame, QString::fromLatin1(group.file));
            continue;
        }
        CTabbedFrame* frame = app.tree().openItem(item);
        ASSERT_NE(frame, nullptr) << group.item;
        writeShot(*frame, QString::fromLatin1(group.file));
    }
}

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, {});
    QApplication::sendEvent(widget, &event);
}

}  // namespace

// The map editor with the grid on, a marquee selection, the trigger tints
// of the Pointer tool and the overview; then the same at 2x.
TEST(Screenshots, MapEditor)
{
    TempRom rom(sampleRomBytes(), QStringLiteral("sample.smc"));
    AppUnderTest app({rom.path()});
    ASSERT_TRUE(app.started);
    CTabbedFrame* frame = app.tree().openItem(findItem(app.tree(), QStringLiteral("World of Balance")));
    ASSERT_NE(frame, nullptr);
    frame->resize(1000, 720);
    auto* view = qobject_cast<CMapView*>(frame->activeView());
    ASSERT_NE(view, nullptr);
    const WorldMap& map = *view->map();
    ASSERT_GE(map.triggers.size(), 2);
    // An event trigger and the trigger nearest to it, which is the selected one.
    auto distance = [](const MapTrigger& a, const MapTrigger& b) { return qAbs(a.x - b.x) + qAbs(a.y - b.y); };
    const MapTrigger* event = &map.triggers.first();
    const MapTrigger* nearest = &map.triggers.last();
    for (const MapTrigger& a : map.triggers)
        for (const MapTrigger& b : map.triggers)
            if (a.kind == MapTrigger::Event && &a != &b && distance(a, b) < distance(*event, *nearest)) {
                event = &a;
                nearest = &b;
            }
    const MapTrigger& first = *event;
    settle();
    view->scrollTo({qMin(first.x, nearest->x) - 6, qMin(first.y, nearest->y) - 5});
    view->actions().gridLines->trigger();
    view->selectTriggerCell({nearest->x, nearest->y});

    view->selectTool(MapToolId::Marquee);
    const QPoint corner = view->scrollPosition();
    const QPoint from = view->cellGeometry().cellRect(corner.x() + 14, corner.y() + 9).center();
    const QPoint to = view->cellGeometry().cellRect(corner.x() + 20, corner.y() + 13).center();
    sendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(view, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    view->selectTool(MapToolId::Pointer);
    sendMouse(view, QEvent::MouseMove, view->cellGeometry().cellRect(corner.x() + 8, corner.y() + 16).center(),
              Qt::NoButton, Qt::NoButton);
    QTest::qWait(400);  // the overview and the space meter catch up
    writeShot(*frame, QStringLiteral("map-editor.png"));

    view->actions().zoomIn->trigger();
    view->scrollTo({qMin(first.x, nearest->x) - 3, qMin(first.y, nearest->y) - 2});
    writeShot(*frame, QStringLiteral("map-editor-zoom2.png"));
    view->actions().actualSize->trigger();

    // A copy of the selection about to be pasted lower down.
    view->scrollTo(corner);
    view->copy();
    view->paste();
    sendMouse(view, QEvent::MouseMove, view->cellGeometry().cellRect(corner.x() + 5, corner.y() + 20).center(),
              Qt::NoButton, Qt::NoButton);
    writeShot(*frame, QStringLiteral("map-editor-paste.png"));
    view->paste();
    view->actions().gridLines->trigger();
}
