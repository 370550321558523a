#include "records/propertybuilder.h"

namespace tessel {

void PropertyBuilder::group(int id, const QString& label)
{
    list_.addGroup(id, label);
}

Property& PropertyBuilder::add(int id, const QString& label, PropertyKind kind, PropertyField field)
{
    if (list_.groups.empty())
        list_.addGroup(0, {});
    PropertyGroup& g = list_.groups.back();
    Property p;
    p.group = g.id;
    p.id = id;
    p.label = label;
    p.kind = kind;
    p.field = field;
    p.value = field.read(field.part == RecordPart::Name ? name_ : record_);
    g.properties.push_back(std::move(p));
    return g.properties.back();
}

void PropertyBuilder::number(int id, const QString& label, int offset, quint32 mask, int width)
{
    add(id, label, PropertyKind::Number, {RecordPart::Record, offset, width, mask});
}

void PropertyBuilder::flag(int id, const QString& label, int offset, int bit)
{
    add(id, label, PropertyKind::Flag, {RecordPart::Record, offset, 1, 1u << bit});
}

int PropertyBuilder::flags(int firstId, int offset, const recordlabels::BitLabels& labels)
{
    int id = firstId;
    for (int bit = 0; bit < 8; ++bit)
        if (labels[std::size_t(bit)])
            flag(id++, QString::fromUtf8(labels[std::size_t(bit)]), offset, bit);
    return id;
}

void PropertyBuilder::statusesAffected(int offset)
{
    using namespace recordlabels;
    group(9200, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Status Conditions Affected when Used")));
    flags(9201, offset, kStatus1);
    flags(9208, offset + 1, kStatus2);
    flags(9216, offset + 2, kStatus3);
    flags(9224, offset + 3, kStatus4);
}

void PropertyBuilder::choice(int id, const QString& label, int offset, quint32 mask, const ChoiceTable& table,
                             PropertyField::Rule rule)
{
    PropertyField field{RecordPart::Record, offset, 1, mask};
    field.rule = rule;
    add(id, label, PropertyKind::Choice, field).choices = &table;
}

void PropertyBuilder::gameText(int id, const QString& label, int width, int offset)
{
    Property& p = add(id, label, PropertyKind::GameText, {RecordPart::Name, offset, 0, 0});
    p.field.width = width;
    const std::span<const quint8> text = name_.subspan(std::min<std::size_t>(name_.size(), std::size_t(offset)));
    p.text = QByteArray(reinterpret_cast<const char*>(text.data()), qsizetype(std::min<std::size_t>(text.size(), std::size_t(width))));
}

void PropertyBuilder::nameChoice(int id, const QString& label, int offset, std::shared_ptr<const NameTable> names,
                                 bool noneAllowed, quint32 mask, quint32 writeMask)
{
    PropertyField field{RecordPart::Record, offset, 1, mask};
    field.writeMask = writeMask;
    Property& p = add(id, label, PropertyKind::NameChoice, field);
    p.names = std::move(names);
    p.noneAllowed = noneAllowed;
}

}  // namespace tessel
