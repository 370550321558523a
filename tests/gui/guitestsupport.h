#pragma once

#include "document/cff3doc.h"
#include "tests/support/recordingmessageservice.h"
#include "tests/support/memorysettingsstore.h"
#include "shell/cff3app.h"
#include "shell/cmainframe.h"
#include "shell/cworkspaceview.h"
#include "shell/documentviews.h"

#include <QStringList>
#include <QTreeWidgetItem>

#include <memory>

// The application started as the program starts it, with settings kept in
// memory and messages recorded instead of shown.
struct AppUnderTest {
    explicit AppUnderTest(const QStringList& arguments = {},
                          const platform::MemorySettingsStore& settings = {});
    ~AppUnderTest();

    bool start(const QStringList& arguments = {});

    CMainFrame& frame() { return *app->mainFrame(); }
    CFF3Doc& doc() { return app->document(); }
    CWorkspaceView& tree() { return *frame().workspace(); }
    DocumentViews& views() { return frame().editorViews(); }

    platform::MemorySettingsStore store;
    platform::RecordingMessageService messages;
    std::unique_ptr<CFF3App> app;
    bool started = false;
    QList<CMainFrame::SaveChoice> answers;  // given to save questions (before open or run) in turn
    QStringList questions;                  // documents the questions asked about
};

// The texts of the tree's root items, in order, and of their children as
// "root/child".
QStringList treeTexts(const CWorkspaceView& tree);
QTreeWidgetItem* findItem(const CWorkspaceView& tree, const QString& text);
// A real double-click on the item's row.
void doubleClick(CWorkspaceView& tree, QTreeWidgetItem* item);
