#include "text/plainname.h"

#include <gtest/gtest.h>

#include <random>

using namespace tessel;

namespace {

QString plain(const QByteArray& bytes)
{
    return menutext::PlainName(reinterpret_cast<const quint8*>(bytes.constData()), int(bytes.size()));
}

}  // namespace

TEST(PlainName, EveryFieldSurvivesTheTripThroughText)
{
    std::mt19937 random(7);
    for (int n = 0; n < 2000; ++n) {
        QByteArray field(8, '\0');
        for (char& b : field)  // mostly letters, with padding, spaces and odd codes mixed in
            b = char(random() % 4 ? 0x80 + random() % 0x80 : random() % 0x100);
        QByteArray back;
        QString error;
        ASSERT_TRUE(menutext::ParsePlainName(plain(field), 8, &back, &error)) << plain(field).toStdString();
        ASSERT_EQ(back.toHex(), field.toHex()) << plain(field).toStdString();
    }
}

TEST(PlainName, LettersAndSpacesAreReadableAndOtherCodesAreEscaped)
{
    EXPECT_EQ(plain(QByteArray::fromHex("d88081fe82ffff")), QStringLiteral("<D8>AB C"));
    // Padding inside a name, a trailing space and a code below 0x80 keep their bytes.
    EXPECT_EQ(plain(QByteArray::fromHex("80ff81fe05ff")), QStringLiteral("A<FF>B <05>"));
    EXPECT_EQ(plain(QByteArray::fromHex("ffffff")), QString());
}

TEST(PlainName, ParsingPadsAndRefusesWhatHasNoCode)
{
    QByteArray field;
    QString error;
    ASSERT_TRUE(menutext::ParsePlainName(QStringLiteral("<d8>Ab"), 5, &field, &error));
    EXPECT_EQ(field.toHex(), QByteArray("d8809bffff"));
    // The symbol characters 160-178 are taken as typed.
    ASSERT_TRUE(menutext::ParsePlainName(QString(QChar(165)), 2, &field, &error));
    EXPECT_EQ(field.toHex(), QByteArray("ddff"));

    EXPECT_FALSE(menutext::ParsePlainName(QStringLiteral("ABCDEF"), 5, &field, &error));
    EXPECT_EQ(error, QStringLiteral("longer than 5 characters"));
    EXPECT_FALSE(menutext::ParsePlainName(QStringLiteral("A[B"), 5, &field, &error));
    EXPECT_EQ(error, QStringLiteral("'[' has no code in the menu font"));
    for (const char* bad : {"<D>", "<DX>", "<D8", "<+8>"}) {
        EXPECT_FALSE(menutext::ParsePlainName(QString::fromLatin1(bad), 5, &field, &error)) << bad;
    }
    EXPECT_EQ(field.toHex(), QByteArray("ddff")) << "a refused name leaves the field alone";
}
