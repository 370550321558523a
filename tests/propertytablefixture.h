#pragma once

#include "document/propertytable.h"
#include "tests/testsupport.h"

#include <gtest/gtest.h>

namespace tessel {

// The resaved sample (its dialogue already in the layout a save writes),
// open in a document of its own, edited through the property tables as
// the editors do.
class PropertyTableFixture : public testing::Test {
protected:

    void SetUp() override { ASSERT_TRUE(t.doc.open(file.path())); }

    // Pushes the edit of property `id` of record `index` to `value`.
    void edit(RecordKind kind, int index, int id, quint32 value)
    {
        const PropertyTable table(t.doc, kind);
        const PropertyList list = table.properties(index);
        const Property* p = list.find(id);
        ASSERT_NE(p, nullptr) << id;
        t.doc.undoStack()->push(table.makeEdit(index, *p, value));
    }

    TempRom file{resavedSampleRomBytes()};
    TestDoc t;
};

}  // namespace tessel
