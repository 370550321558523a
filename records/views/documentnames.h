#pragma once

#include <QByteArray>

#include <functional>

class QWidget;

namespace tessel {

class CFF3Doc;
class GameNameList;

// The document's name tables as the name lists ask for them: the bytes of
// name `index`, read afresh at every paint so that renames show at once.
namespace documentnames {

using NameOf = std::function<QByteArray(int index)>;

NameOf items(CFF3Doc& doc);
NameOf monsters(CFF3Doc& doc);
NameOf commands(CFF3Doc& doc);

// A slot-mode list of `rows` rows over `count` names, `width` bytes each,
// exactly as tall as its rows.
GameNameList* slotList(CFF3Doc& doc, int count, NameOf nameOf, int width, int rows, bool noneAllowed, QWidget* parent);
// Sizes a list to show `rows` rows of `width`-byte names without scrolling.
void fitToRows(GameNameList* list, int width, int rows);

}  // namespace documentnames

}  // namespace tessel
