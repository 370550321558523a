// The interface's texts go through Qt's translation functions: with a
// translator installed, menus, messages of the document, tab titles and
// property labels change, while table files keep their untranslated keys.
#include "document/tablejson.h"
#include "records/views/citemeditview.h"
#include "rom/romaddress.h"
#include "rom/romidentity.h"
#include "shell/ctabbedframe.h"
#include "shell/editorregistry.h"
#include "tests/gui/guitestsupport.h"
#include "tests/testsupport.h"
#include "uikit/cpropertytree.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QTabBar>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// Answers every lookup with the source text marked by its context, so a
// text shows both that it was translated and under which context.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return QStringLiteral("<%1>%2").arg(QString::fromUtf8(context), QString::fromUtf8(sourceText));
    }
};

QString marked(const char* context, const QString& text)
{
    return QStringLiteral("<%1>%2").arg(QString::fromLatin1(context), text);
}

QStringList menuTitles(QMainWindow& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles.append(action->text());
    return titles;
}

}  // namespace

TEST(Translation, MainWindowMenusAndTheRefusalOfAWrongRomAreTranslated)
{
    MarkingTranslator translator;
    QByteArray image = sampleRomBytes();
    image.replace(rom::fileOffset(rom::kTitleAddress), rom::kTitleLength, QByteArray("NOT THE GAME AT ALL  "));
    TempRom wrong(image);

    AppUnderTest app;
    ASSERT_TRUE(app.started);
    const QStringList menus = menuTitles(app.frame());
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.first(), marked("tessel::CMainFrame", QStringLiteral("&File")));

    EXPECT_FALSE(app.frame().openDocument(wrong.path()));
    ASSERT_EQ(app.messages.entries.size(), 1);
    EXPECT_EQ(app.messages.entries[0].text, marked("RomIdentity", QString::fromLatin1(rom::kWrongTitleMessage)));
}

TEST(Translation, EditorFrameMenusTabsAndPropertyLabelsAreTranslated)
{
    MarkingTranslator translator;
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    CTabbedFrame frame(t.doc, *EditorRegistry::standard().forKind(RecordKind::Item));
    ASSERT_TRUE(frame.load());

    EXPECT_EQ(menuTitles(frame).value(0), marked("tessel::CTabbedFrame", QStringLiteral("&File")));
    ASSERT_GT(frame.tabBar()->count(), 0);
    EXPECT_EQ(frame.tabBar()->tabText(0), marked("TVGItemGroup", QStringLiteral("Items")));

    auto* items = frame.findChild<CItemEditView*>();
    ASSERT_NE(items, nullptr);
    QTreeWidgetItem* general = items->propertyTree()->topLevelItem(0);
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(general->text(CPropertyTree::LabelColumn), marked("RecordProperties", QStringLiteral("General")));
}

TEST(Translation, TableFilesKeepTheirKeysAndChoicesUntranslated)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    const QByteArray plain = tablejson::exportTable(t.doc, RecordKind::Item);
    ASSERT_TRUE(plain.contains("\"General\""));
    MarkingTranslator translator;
    EXPECT_EQ(tablejson::exportTable(t.doc, RecordKind::Item), plain);
}
