#pragma once

#include "tests/testsupport.h"
#include "uikit/cpropertytree.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tessel {

// Runs queued commits and deletes closed editors.
inline void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The sample ROM open, and one editor view on it, shown.
template <class View>
struct ViewOnSample {
    ViewOnSample()
    {
        EXPECT_TRUE(t.doc.open(rom.path()));
        view = std::make_unique<View>(t.doc);
        view->resize(760, 560);
        view->show();
        settle();
    }
    CPropertyTree& tree() { return *view->propertyTree(); }
    QUndoStack& stack() { return *t.doc.undoStack(); }
    // A real click on a property's value.
    void clickValue(int id)
    {
        QTreeWidgetItem* row = tree().propertyItem(id);
        ASSERT_NE(row, nullptr) << id;
        tree().scrollToItem(row);
        const QRect cell = tree().visualItemRect(row);
        const int x = tree().header()->sectionPosition(CPropertyTree::ValueColumn) + 20;
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, {}, QPoint(x, cell.center().y()));
        settle();
    }
    template <class Editor>
    Editor* editor()
    {
        return tree().viewport()->template findChild<Editor*>();
    }
    QString shown(int id) { return tree().propertyItem(id)->text(CPropertyTree::ValueColumn); }

    TempRom rom;
    TestDoc t;
    std::unique_ptr<View> view;
};

}  // namespace tessel
