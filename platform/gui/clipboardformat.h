#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

// Private clipboard formats: a name registered once per run gets a number,
// and blocks of bytes travel on the system clipboard under that name.
namespace platform {

inline constexpr char kWorldMapClipboardFormat[] = "TESSEL_WORLDMAP";

// Registers name (again: the same id) and returns its id; ids start at
// 0xC000 like the window system's own private formats.
quint32 registerClipboardFormat(const QString& name);
// The name registered under id, or an empty string.
QString clipboardFormatName(quint32 id);

bool clipboardHasBlock(quint32 format);
void putClipboardBlock(quint32 format, const QByteArray& bytes);
// The block on the clipboard, or an empty array when there is none.
QByteArray clipboardBlock(quint32 format);

}  // namespace platform

}  // namespace tessel
