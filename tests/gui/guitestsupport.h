#pragma once

#include "document/cff3doc.h"
#include "platform/gui/filechooser.h"
#include "tests/support/recordingmessageservice.h"
#include "tests/support/memorysettingsstore.h"
#include "shell/cff3app.h"
#include "shell/cmainframe.h"
#include "shell/cworkspaceview.h"
#include "shell/documentviews.h"

#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <functional>
#include <memory>

class QDialog;

namespace tessel {

// Answers file dialogs from a list, in turn; cancels once it runs out.
class ScriptedFileChooser : public platform::FileChooser {
public:
    QString openFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        return next(caption);
    }
    // Like the real dialog, adds the default suffix to an answer without one.
    QString saveFileName(QWidget*, const QString& caption, const QString& suggested, const QString&,
                         QString*, const QString& defaultSuffix) override
    {
        suggestions.append(suggested);
        suffixes.append(defaultSuffix);
        const QString answer = next(caption);
        const bool bare = !answer.isEmpty() && QFileInfo(answer).suffix().isEmpty() && !defaultSuffix.isEmpty();
        return bare ? answer + QLatin1Char('.') + defaultSuffix : answer;
    }
    QStringList answers;
    QStringList captions;     // of the dialogs asked for, in order
    QStringList suggestions;  // the names save dialogs proposed
    QStringList suffixes;     // the default suffixes save dialogs were given

private:
    QString next(const QString& caption)
    {
        captions.append(caption);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// The application started as the program starts it, with settings kept in
// memory, messages recorded instead of shown and recovery copies in a
// temporary folder (or the one given).
struct AppUnderTest {
    explicit AppUnderTest(const QStringList& arguments = {},
                          const platform::MemorySettingsStore& settings = {},
                          const QString& recoveryFolder = {});
    ~AppUnderTest();

    bool start(const QStringList& arguments = {});

    CMainFrame& frame() { return *app->mainFrame(); }
    CFF3Doc& doc() { return app->document(); }
    CWorkspaceView& tree() { return *frame().workspace(); }
    DocumentViews& views() { return frame().editorViews(); }

    platform::MemorySettingsStore store;
    platform::RecordingMessageService messages;
    ScriptedFileChooser files;
    QTemporaryDir recoveryDir;
    std::unique_ptr<CFF3App> app;
    bool started = false;
    QList<CMainFrame::SaveChoice> answers;  // given to save questions (before open or run) in turn
    QStringList questions;                  // documents the questions asked about
    QList<RecoveryChoice> recoveryAnswers;  // given to recovery offers in turn (then Cancel)
    QStringList offeredCopies;              // the ROM paths of the copies offered
};

// The texts of the tree's root items, in order, and of their children as
// "root/child".
QStringList treeTexts(const CWorkspaceView& tree);
QTreeWidgetItem* findItem(const CWorkspaceView& tree, const QString& text);
// A real double-click on the item's row.
void doubleClick(CWorkspaceView& tree, QTreeWidgetItem* item);

// Runs act on the next modal dialog as soon as it shows, for commands that
// run one with exec(). The dialog is rejected afterwards if act left it open.
void onNextDialog(std::function<void(QDialog&)> act);

// Right-clicks `at` in a view's viewport, triggers action `choose` of the
// context menu that opens, and returns the menu's action texts (none when
// no menu opened).
QStringList chooseFromContextMenu(QWidget* viewport, const QPoint& at, int choose);

// Types text into a widget key by key, characters past ASCII included
// (as a keyboard layout that has them sends them).
void typeText(QWidget* widget, const QString& text);

}  // namespace tessel
