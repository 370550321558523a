#include "tests/gui/guitestsupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace tessel {

AppUnderTest::AppUnderTest(const QStringList& arguments, const platform::MemorySettingsStore& settings,
                           const QString& recoveryFolder)
    : store(settings)
{
    const QString folder = recoveryFolder.isEmpty() ? recoveryDir.filePath(QStringLiteral("recovery")) : recoveryFolder;
    app = std::make_unique<CFF3App>(CFF3App::Services{&store, &messages, &files, folder});
    started = start(arguments);
}

bool AppUnderTest::start(const QStringList& arguments)
{
    const bool ok = app->initInstance(arguments);
    if (app->mainFrame()) {
        const auto answer = [this](const QString& name) {
            questions.append(name);
            return answers.isEmpty() ? CMainFrame::SaveChoice::Cancel : answers.takeFirst();
        };
        app->mainFrame()->setSavePrompt(answer);
        app->mainFrame()->setRunPrompt(answer);
        app->mainFrame()->setRecoveryPrompt([this](const RecoveryCopy& copy) {
            offeredCopies.append(copy.romPath);
            return recoveryAnswers.isEmpty() ? RecoveryChoice::Cancel : recoveryAnswers.takeFirst();
        });
    }
    return ok;
}

AppUnderTest::~AppUnderTest()
{
    app->exitInstance();
}

QStringList treeTexts(const CWorkspaceView& tree)
{
    QStringList texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* root = tree.topLevelItem(i);
        texts.append(root->text(0));
        for (int c = 0; c < root->childCount(); ++c)
            texts.append(root->text(0) + QLatin1Char('/') + root->child(c)->text(0));
    }
    return texts;
}

QTreeWidgetItem* findItem(const CWorkspaceView& tree, const QString& text)
{
    const QList<QTreeWidgetItem*> found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void doubleClick(CWorkspaceView& tree, QTreeWidgetItem* item)
{
    ASSERT_NE(item, nullptr);
    tree.scrollToItem(item);
    const QPoint at = tree.visualItemRect(item).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
}

void onNextDialog(std::function<void(QDialog&)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act), tries = 0]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog && ++tries < 300)
            return;
        poll->stop();
        poll->deleteLater();
        if (!dialog) {
            ADD_FAILURE() << "no dialog showed";
            return;
        }
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start();
}

QStringList chooseFromContextMenu(QWidget* viewport, const QPoint& at, int choose)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts, choose] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            texts.append(action->text());
        QAction* chosen = menu->actions().value(choose);
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    QApplication::processEvents();
    return texts;
}

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F)
            QTest::keyClicks(widget, QString(ch));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

}  // namespace tessel
