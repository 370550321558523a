#include "document/longestwords.h"

#include "document/cff3doc.h"
#include "document/parts/fontspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/spellspart.h"
#include "text/dialoguetext.h"
#include "text/menutext.h"

namespace tessel {

namespace {

// A name field in the dialogue encoding, as the game spells it into a
// message: its characters, without the icon and the padding.
QByteArray dialogueCodes(std::span<const quint8> field)
{
    const QString text = menutext::DecodeMenuText(field.data(), int(field.size())).trimmed();
    QByteArray codes;
    for (const QChar ch : text)
        if (const quint8 code = dialoguetext::codeFromChar(ch))
            codes.append(char(code));
    return codes;
}

std::vector<QByteArray> namesOf(const RecordTablePart& part)
{
    std::vector<QByteArray> names;
    for (int i = 0; i < part.count(); ++i)
        if (part.nameWidth(i) > 0)
            names.push_back(dialogueCodes(part.bytes(RecordPart::Name, i).locate()));
    return names;
}

}  // namespace

WordChoice longestWords(const CFF3Doc& doc)
{
    return dialoguepages::LongestWords(doc.part<FontsPart>().fonts(), namesOf(doc.part<ItemsPart>()),
                                       namesOf(doc.part<SpellsPart>()));
}

}  // namespace tessel
