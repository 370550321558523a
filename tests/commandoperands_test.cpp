#include "events/commandoperands.h"
#include "tests/testsupport.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace tessel;
using namespace tessel::events;

namespace {

std::span<const quint8> spanOf(const QByteArray& bytes)
{
    return {reinterpret_cast<const quint8*>(bytes.constData()), std::size_t(bytes.size())};
}

// "label=value[min..max]@byte", one per field, joined by "; ".
std::string summary(const QList<OperandField>& fields)
{
    QStringList parts;
    for (const OperandField& f : fields)
        parts.append(QStringLiteral("%1=%2[%3..%4]@%5").arg(f.label).arg(f.value).arg(f.minimum).arg(f.maximum).arg(f.byte));
    return parts.join(QStringLiteral("; ")).toStdString();
}

struct FieldCase {
    const char* label;
    EntryKind kind;
    QByteArray bytes;
    const char* fields;
};

void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << c.label;
}

class OperandFields : public testing::TestWithParam<FieldCase> {};

struct WriteCase {
    const char* label;
    QByteArray bytes;
    int field;
    int value;
    QByteArray written;  // empty: refused
    const char* reason;  // a piece of the refusal
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.label;
}

class OperandWrites : public testing::TestWithParam<WriteCase> {};

}  // namespace

TEST_P(OperandFields, NameWhatTheCommandTableGivesAMeaningAndLeaveTheRestRaw)
{
    EXPECT_EQ(summary(operandFields(GetParam().kind, spanOf(GetParam().bytes))), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    CommandOperands, OperandFields,
    testing::Values(
        FieldCase{"DialogueWordAndItsFlags", EntryKind::Command, bytesOf({0x4B, 0x05, 0xC1}),
                  "Message=261[0..16383]@1; Show text only=1[0..1]@1; At bottom of screen=1[0..1]@1"},
        FieldCase{"GpWord", EntryKind::Command, bytesOf({0x84, 0x10, 0x27}), "GP=10000[0..65535]@1"},
        FieldCase{"MapLoad", EntryKind::Command, bytesOf({0x6B, 0x34, 0x12, 0x08, 0x09, 0x40}),
                  "Map=4660[0..65535]@1; X=8[0..255]@3; Y=9[0..255]@4; Flags=64[0..255]@5"},
        FieldCase{"ColourComponentsAndIntensity", EntryKind::Command, bytesOf({0x55, 0x3A}),
                  "Colour components=3[0..15]@1; Intensity=10[0..15]@1"},
        FieldCase{"Battle", EntryKind::Command, bytesOf({0x4D, 0x21, 0x05}),
                  "Enemy set=33[0..255]@1; Background=5[0..255]@2"},
        FieldCase{"RawOperands", EntryKind::Command, bytesOf({0x4C, 0x01, 0x02}),
                  "Byte 1=1[0..255]@1; Byte 2=2[0..255]@2"},
        FieldCase{"QueueHeader", EntryKind::QueueHeader, bytesOf({0x05, 0x83}), "Byte 1=131[0..255]@1"},
        // A queue command's code is read as an item would be in the main table: still raw.
        FieldCase{"QueueCommand", EntryKind::QueueCommand, bytesOf({0x80, 0x07}), "Byte 1=7[0..255]@1"},
        FieldCase{"ChunkRowHasNoOpcode", EntryKind::DataRow, bytesOf({0x0A, 0x0B}),
                  "Byte 0=10[0..255]@0; Byte 1=11[0..255]@1"},
        FieldCase{"NoOperands", EntryKind::Command, bytesOf({0x45}), ""}),
    [](const testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.label); });

TEST_P(OperandWrites, ChangeOnlyTheFieldsBitsOrRefuseNamingTheFieldAndRange)
{
    const WriteCase& c = GetParam();
    const QList<OperandField> fields = operandFields(EntryKind::Command, spanOf(c.bytes));
    ASSERT_LT(c.field, fields.size());
    QByteArray bytes = c.bytes;
    QString error;
    const bool written = writeOperand(bytes, fields[c.field], c.value, &error);
    if (c.written.isEmpty()) {
        EXPECT_FALSE(written);
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
    } else {
        EXPECT_TRUE(written) << error.toStdString();
        EXPECT_EQ(bytes.toHex().toStdString(), c.written.toHex().toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandOperands, OperandWrites,
    testing::Values(
        WriteCase{"MessageKeepsItsFlags", bytesOf({0x4B, 0x05, 0xC0}), 0, 0x1234, bytesOf({0x4B, 0x34, 0xD2}), ""},
        WriteCase{"FlagKeepsTheMessage", bytesOf({0x4B, 0xFF, 0xFF}), 2, 0, bytesOf({0x4B, 0xFF, 0x7F}), ""},
        WriteCase{"GpHighByte", bytesOf({0x85, 0x00, 0x00}), 0, 65535, bytesOf({0x85, 0xFF, 0xFF}), ""},
        WriteCase{"IntensityKeepsComponents", bytesOf({0x56, 0x3A}), 1, 5, bytesOf({0x56, 0x35}), ""},
        WriteCase{"MapY", bytesOf({0x6A, 0x34, 0x12, 0x08, 0x09, 0x40}), 2, 200,
                  bytesOf({0x6A, 0x34, 0x12, 0x08, 0xC8, 0x40}), ""},
        WriteCase{"MessageTooHigh", bytesOf({0x4B, 0x05, 0xC0}), 0, 0x4000, {},
                  "Message must be from $0000 to $3FFF ($4000 given)"},
        WriteCase{"ComponentsTooHigh", bytesOf({0x55, 0x3A}), 0, 16, {},
                  "Colour components must be from 0 to 15 (16 given)"},
        WriteCase{"NegativeRawByte", bytesOf({0x4C, 0x01, 0x02}), 1, -1, {}, "Byte 2 must be from $00 to $FF (-1 given)"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.label); });
