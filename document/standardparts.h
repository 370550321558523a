#pragma once

namespace tessel {

class CFF3Doc;
class DocumentParts;

// Adds every part of the document. A new area of the ROM is one part
// class and one line here.
void addStandardParts(CFF3Doc& doc, DocumentParts& parts);

}  // namespace tessel
