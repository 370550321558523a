#pragma once

#include <QByteArray>

namespace tessel {

// The game's text encodings as table files, the form hex editors and
// script tools read: one "XX=text" line per code in UTF-8, a pair code as
// its two characters, control codes in square brackets, and the end code
// marked with a leading "/".
namespace hextable {

QByteArray dialogueTable();
QByteArray menuTable();

}  // namespace hextable

}  // namespace tessel
