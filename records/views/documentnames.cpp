#include "records/views/documentnames.h"

#include "document/cff3doc.h"
#include "uikit/gamenamelist.h"
#include "document/parts/characterspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"

#include <QStyle>

namespace tessel {

namespace documentnames {

namespace {

template <class Table>
NameOf namesOf(CFF3Doc& doc, Table table)
{
    return [&doc, table](int index) -> QByteArray {
        const auto name = table(doc, index);
        return QByteArray(reinterpret_cast<const char*>(name.data()), qsizetype(name.size()));
    };
}

// Names past a table's end read as nothing.
template <class Array>
std::span<const quint8> at(const Array& all, int index)
{
    if (index < 0 || std::size_t(index) >= all.size())
        return {};
    return all[std::size_t(index)];
}

}  // namespace

NameOf items(CFF3Doc& doc)
{
    return namesOf(doc, [](CFF3Doc& d, int i) -> std::span<const quint8> {
        return i >= 0 && i < records::kItemCount ? std::span<const quint8>(d.part<ItemsPart>().table().items[std::size_t(i)].name)
                                                 : std::span<const quint8>();
    });
}

NameOf monsters(CFF3Doc& doc)
{
    return namesOf(doc, [](CFF3Doc& d, int i) -> std::span<const quint8> {
        return i >= 0 && i < records::kMonsterCount ? d.part<MonstersPart>().table().monsters[std::size_t(i)].name()
                                                    : std::span<const quint8>();
    });
}

NameOf commands(CFF3Doc& doc)
{
    return namesOf(doc, [](CFF3Doc& d, int i) { return at(d.part<CharactersPart>().table().commandNames, i); });
}

GameNameList* slotList(CFF3Doc& doc, int count, NameOf nameOf, int width, int rows, bool noneAllowed, QWidget* parent)
{
    auto* list = new GameNameList(parent);
    list->setDocument(&doc);
    list->setNames(count, std::move(nameOf));
    list->setMode(noneAllowed ? GameNameList::NoneAllowed : 0);
    for (int row = 0; row < rows; ++row)
        list->addRow(0, width);
    fitToRows(list, width, rows);
    return list;
}

void fitToRows(GameNameList* list, int width, int rows)
{
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedHeight(rows * GameNameList::kRowHeight + 2 * list->frameWidth());
    // The names, their margin and the drop-down arrow, as wide as a scroll bar.
    list->setFixedWidth(8 * width + 4 + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * list->frameWidth());
}

}  // namespace documentnames

}  // namespace tessel
