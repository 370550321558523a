#pragma once

#include "document/cff3doc.h"
#include "platform/messageservice.h"

#include <QString>

namespace tessel {

// What several subcommands share: a document that reports on stderr.
namespace cli {

class CliDocument {
public:
    CliDocument() { doc.setMessageService(&messages); }
    // Opens path as the GUI's Open does; refusals are printed on stderr.
    bool open(const QString& path) { return doc.open(path); }

    CFF3Doc doc;
    platform::StderrMessageService messages;
};

void printLine(const QString& text);
// One line on stderr.
void printError(const QString& text);

// The world map named on the command line ("balance" 0, "ruin" 1); for any
// other name, prints why on stderr and gives -1.
int worldMapNamed(const QString& name, const char* command);

// Whole-file reads and writes for the raw-data commands; failures are
// printed on stderr. A file of more than maxBytes is refused unread;
// writes are atomic and leave nothing behind when they fail.
inline constexpr qint64 kMaxInputFileSize = 16 * 1024 * 1024;
bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data);
bool writeWholeFile(const QString& path, const QByteArray& data);

}  // namespace cli

}  // namespace tessel
