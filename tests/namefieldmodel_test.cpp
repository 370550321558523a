#include "text/namefieldmodel.h"

#include <gtest/gtest.h>

#include <array>

using namespace tessel;

namespace {

QByteArray bytesOf(const std::array<quint8, 6>& field)
{
    return QByteArray(reinterpret_cast<const char*>(field.data()), 6);
}

}  // namespace

TEST(NameFieldModel, TypingAndBackspaceKeepInnerSpacesAndPadTheEnd)
{
    std::array<quint8, 6> field;
    field.fill(0xFF);
    NameFieldModel model;
    model.attach(field.data(), 6);

    EXPECT_TRUE(model.typeChar(QLatin1Char('A')));
    EXPECT_TRUE(model.typeChar(QLatin1Char(' ')));
    // A trailing space is padding until something follows it.
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("80ffffffffff"));
    EXPECT_EQ(model.caret(), 2);
    model.typeChar(QLatin1Char(' '));
    model.typeChar(QLatin1Char('B'));
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("80fefe81ffff"));

    model.backspace();
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("80fefeffffff"));
    model.typeChar(QLatin1Char('C'));
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("80fefe82ffff"));
}

TEST(NameFieldModel, TypingAtTheEndIsRefusedAndInsertionPushesTheLastByteOut)
{
    std::array<quint8, 6> field = {0x80, 0x81, 0x82, 0x83, 0x84, 0x85};
    NameFieldModel model;
    model.attach(field.data(), 6);
    model.end();
    EXPECT_FALSE(model.typeChar(QLatin1Char('Z')));
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("808182838485"));
    model.home();
    model.typeChar(QChar(165));  // the Rod symbol
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("dd8081828384"));
    model.typeChar(QLatin1Char('['));  // no code: stored as 0
    EXPECT_EQ(field[1], 0x00);
}

TEST(NameFieldModel, DeleteRemovesAtTheCaretWithoutNormalising)
{
    std::array<quint8, 6> field = {0x80, 0xFE, 0x81, 0xFF, 0xFF, 0xFF};
    NameFieldModel model;
    model.attach(field.data(), 6);
    model.right(false);
    model.right(false);
    model.deleteForward();
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("80feffffffff"));
    model.right(true);
    EXPECT_EQ(model.caret(), 6);
    model.deleteForward();  // nothing after the caret
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("80feffffffff"));
    model.left(true);
    EXPECT_EQ(model.caret(), 0);
    model.backspace();  // nothing before the caret
    EXPECT_EQ(bytesOf(field), QByteArray::fromHex("80feffffffff"));
}

TEST(NameFieldModel, ClicksRoundToTheNearestCellBoundary)
{
    std::array<quint8, 6> field;
    field.fill(0xFF);
    NameFieldModel model;
    model.attach(field.data(), 6);
    model.clickAt(3);
    EXPECT_EQ(model.caret(), 0);
    model.clickAt(3 + 8 + 4);  // remainder 4: stays
    EXPECT_EQ(model.caret(), 1);
    model.clickAt(3 + 8 + 5);  // remainder 5: rounds up
    EXPECT_EQ(model.caret(), 2);
    model.clickAt(500);
    EXPECT_EQ(model.caret(), 6);
    model.clickAt(0);
    EXPECT_EQ(model.caret(), 0);
}

TEST(NameFieldModel, StartsAsAnEightByteBlankField)
{
    NameFieldModel model;
    EXPECT_EQ(model.width(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(model.bytes()[i], 0xFF);
}
