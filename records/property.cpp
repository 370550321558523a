#include "records/property.h"

#include "text/plainname.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>

namespace tessel {

namespace {

constexpr quint32 kStoredNone = 0xFF;

int shiftOf(quint32 mask)
{
    return mask ? std::countr_zero(mask) : 0;
}

}  // namespace

quint32 PropertyField::maximum() const
{
    quint32 bits = mask >> shiftOf(mask);
    if (hasHighBit())
        bits = bits << 1 | 1;
    return limit ? std::min(limit, bits) : bits;
}

quint32 PropertyField::read(std::span<const quint8> bytes) const
{
    if (width < 1 || width > 4 || offset < 0 || std::size_t(offset + width) > bytes.size())
        return 0;
    quint32 raw = 0;
    for (int i = 0; i < width; ++i)
        raw |= quint32(bytes[std::size_t(offset + i)]) << (8 * i);
    if (rule == Rule::ZeroStoredAsFF && raw == kStoredNone)
        return 0;
    quint32 value = (raw & mask) >> shiftOf(mask);
    if (rule == Rule::Inverted)
        value = value ? 0 : 1;
    if (hasHighBit() && std::size_t(highOffset) < bytes.size() && (bytes[std::size_t(highOffset)] & highMask))
        value |= (mask >> shiftOf(mask)) + 1;
    return value;
}

void FieldWrite::applyTo(std::span<quint8> bytes) const
{
    if (width < 1 || width > 4 || offset < 0 || std::size_t(offset + width) > bytes.size())
        return;
    quint32 raw = 0;
    for (int i = 0; i < width; ++i)
        raw |= quint32(bytes[std::size_t(offset + i)]) << (8 * i);
    raw = (raw & ~mask) | ((value << shiftOf(mask)) & mask);
    for (int i = 0; i < width; ++i)
        bytes[std::size_t(offset + i)] = quint8(raw >> (8 * i));
    if (highOffset >= 0 && highMask && std::size_t(highOffset) < bytes.size()) {
        const bool high = (value >> std::popcount(mask)) & 1;
        quint8& byte = bytes[std::size_t(highOffset)];
        byte = quint8(high ? byte | highMask : byte & ~highMask);
    }
}

int FieldWrite::first() const
{
    return highOffset >= 0 ? std::min(offset, highOffset) : offset;
}

int FieldWrite::last() const
{
    return highOffset >= 0 ? std::max(offset + width, highOffset + 1) : offset + width;
}

QString shownRecordText(const QString& text)
{
    return QCoreApplication::translate("RecordProperties", text.toUtf8().constData());
}

QString Property::displayText() const
{
    switch (kind) {
    case PropertyKind::Number:
        return QString::number(value);
    case PropertyKind::Flag:
        return value ? QCoreApplication::translate("RecordProperties", "True")
                     : QCoreApplication::translate("RecordProperties", "False");
    case PropertyKind::Choice: {
        const ChoiceTable::Row* row = choices ? choices->find(int(value)) : nullptr;
        if (!row)
            return {};
        const QString text = shownRecordText(row->text);
        return numberPrefix ? QStringLiteral("%1 - %2").arg(value).arg(text) : text;
    }
    case PropertyKind::GameText:
        return menutext::PlainName(reinterpret_cast<const quint8*>(text.constData()), int(text.size()));
    case PropertyKind::NameChoice:
        if (noneAllowed && value == kStoredNone)
            return QCoreApplication::translate("RecordProperties", "None");
        if (names && names->contains(int(value)))
            return names->text(int(value));
        return QStringLiteral("#%1").arg(value);
    }
    return {};
}

FieldWrite Property::write(quint32 newValue) const
{
    FieldWrite w{field.part, field.offset, field.width, field.storedMask(), 0};
    quint32 room = w.mask >> shiftOf(w.mask);
    if (field.hasHighBit()) {
        w.highOffset = field.highOffset;
        w.highMask = field.highMask;
        room = room << 1 | 1;
    }
    if (kind == PropertyKind::Flag)
        newValue = newValue ? 1 : 0;
    else if (field.rule == PropertyField::Rule::ZeroStoredAsFF && newValue == 0)
        newValue = kStoredNone;
    if (field.rule == PropertyField::Rule::Inverted)
        newValue = newValue ? 0 : 1;
    if (field.limit)
        newValue = std::min(newValue, field.limit);
    w.value = newValue & room;
    return w;
}

PropertyGroup& PropertyList::addGroup(int id, const QString& label)
{
    groups.push_back({id, label, {}});
    return groups.back();
}

const PropertyGroup* PropertyList::group(int id) const
{
    const auto it = std::find_if(groups.begin(), groups.end(), [id](const PropertyGroup& g) { return g.id == id; });
    return it == groups.end() ? nullptr : &*it;
}

const Property* PropertyList::find(int id) const
{
    for (const PropertyGroup& g : groups)
        for (const Property& p : g.properties)
            if (p.id == id)
                return &p;
    return nullptr;
}

std::vector<int> PropertyList::shape() const
{
    std::vector<int> ids;
    for (const PropertyGroup& g : groups) {
        ids.push_back(g.id);
        for (const Property& p : g.properties)
            ids.push_back(p.id);
    }
    return ids;
}

}  // namespace tessel
