#include "document/interleavedhistory.h"

#include <gtest/gtest.h>

namespace {

using Source = InterleavedHistory::Source;
using Depths = InterleavedHistory::Depths;

// Two histories driven as a window drives them: each step or undo changes
// one list's depths, and the order follows.
struct Lists {
    Depths own;
    Depths doc;
    InterleavedHistory order;

    Lists() { order.reset(own, doc); }
    void ownStep()
    {
        ++own.undo;
        own.redo = 0;
        order.sync(own, doc, 1);
    }
    void docStep()
    {
        ++doc.undo;
        doc.redo = 0;
        order.sync(own, doc);
    }
    // Undo or Redo as the window's Edit menu does it.
    std::optional<Source> undo()
    {
        const std::optional<Source> source = order.nextUndo();
        if (source) {
            Depths& d = *source == Source::Own ? own : doc;
            --d.undo;
            ++d.redo;
            order.sync(own, doc);
        }
        return source;
    }
    std::optional<Source> redo()
    {
        const std::optional<Source> source = order.nextRedo();
        if (source) {
            Depths& d = *source == Source::Own ? own : doc;
            ++d.undo;
            --d.redo;
            order.sync(own, doc);
        }
        return source;
    }
};

}  // namespace

TEST(InterleavedHistory, UndoTakesTheNewestStepOfEitherListAndRedoTheLastUndone)
{
    Lists l;
    l.ownStep();
    l.docStep();
    l.docStep();
    l.ownStep();
    EXPECT_EQ(l.undo(), Source::Own);
    EXPECT_EQ(l.undo(), Source::Document);
    EXPECT_EQ(l.redo(), Source::Document);
    EXPECT_EQ(l.redo(), Source::Own);
    EXPECT_EQ(l.redo(), std::nullopt);
    for (Source expected : {Source::Own, Source::Document, Source::Document, Source::Own})
        EXPECT_EQ(l.undo(), expected);
    EXPECT_EQ(l.undo(), std::nullopt);
}

TEST(InterleavedHistory, ANewStepDiscardsOnlyItsOwnListsRedoSteps)
{
    Lists l;
    l.docStep();
    l.ownStep();
    l.undo();  // own
    l.undo();  // document
    l.ownStep();  // the own redo step is gone, the document's stays
    EXPECT_EQ(l.order.nextRedo(), Source::Document);
    EXPECT_EQ(l.undo(), Source::Own);
    EXPECT_EQ(l.undo(), std::nullopt);
}

TEST(InterleavedHistory, FollowsChangesOfTheDocumentStackMadeElsewhere)
{
    Lists l;
    l.docStep();
    l.ownStep();
    l.docStep();
    // Another window undoes the document's newest step, then pushes two.
    --l.doc.undo;
    ++l.doc.redo;
    l.order.sync(l.own, l.doc);
    EXPECT_EQ(l.order.nextUndo(), Source::Own);
    EXPECT_EQ(l.order.nextRedo(), Source::Document);
    l.docStep();
    l.docStep();
    EXPECT_EQ(l.order.nextRedo(), std::nullopt);
    EXPECT_EQ(l.undo(), Source::Document);
    EXPECT_EQ(l.undo(), Source::Document);
    EXPECT_EQ(l.undo(), Source::Own);
    EXPECT_EQ(l.undo(), Source::Document);

    // Saving or opening clears the document's stack: only own steps remain.
    l.ownStep();
    l.doc = {};
    l.order.sync(l.own, l.doc);
    EXPECT_EQ(l.undo(), Source::Own);
    EXPECT_EQ(l.undo(), std::nullopt);
}

TEST(InterleavedHistory, AStepPushingTheOldestOutOfAFullListStillCountsAsNewest)
{
    Lists l;
    l.ownStep();
    l.docStep();
    // A full own list: the new step pushes the oldest out, its depth stays 1.
    l.order.sync(l.own, l.doc, 1);
    EXPECT_EQ(l.undo(), Source::Own);
    EXPECT_EQ(l.undo(), Source::Document);
    EXPECT_EQ(l.undo(), std::nullopt);
}

TEST(InterleavedHistory, StepsMadeBeforeTheWindowOpenedAreOlderThanItsOwn)
{
    InterleavedHistory order;
    order.reset({0, 0}, {2, 1});
    EXPECT_EQ(order.nextUndo(), Source::Document);
    EXPECT_EQ(order.nextRedo(), Source::Document);
    order.sync({1, 0}, {2, 1}, 1);
    EXPECT_EQ(order.nextUndo(), Source::Own);
}
