#include "document/textcatalog.h"

#include "document/cff3doc.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/esperspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"
#include "document/parts/spellspart.h"
#include "document/replacemessagecommand.h"
#include "document/setbytescommand.h"
#include "records/recordaddresses.h"
#include "text/dialoguepages.h"
#include "text/dialoguescript.h"
#include "text/dialoguewindow.h"
#include "text/gamefonts.h"
#include "text/plainname.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUndoStack>

#include <map>
#include <optional>

namespace tessel {

namespace textcatalog {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TextCatalog", text);
}

constexpr char kDialogueWord[] = "dialogue";

// The lines of text a page of the dialogue window holds.
constexpr int kWindowLines =
    1 + (dialoguewindow::kHeight - dialoguewindow::kTextTop - GameFonts::kDialogueGlyphRows) / dialoguewindow::kLineHeight;

// The name tables, by the word of their contexts.
struct NameTable {
    const char* word;
    const RecordTablePart& (*part)(const CFF3Doc&);
    // Spells 54 on are the espers' names, which the "esper" entries hold.
    bool (*skip)(int index);
};

bool none(int)
{
    return false;
}

const NameTable kNameTables[] = {
    {"item", [](const CFF3Doc& d) -> const RecordTablePart& { return d.part<ItemsPart>(); }, none},
    {"spell", [](const CFF3Doc& d) -> const RecordTablePart& { return d.part<SpellsPart>(); }, records::isEsperSpell},
    {"esper", [](const CFF3Doc& d) -> const RecordTablePart& { return d.part<EspersPart>(); }, none},
    {"monster", [](const CFF3Doc& d) -> const RecordTablePart& { return d.part<MonstersPart>(); }, none},
};

// The tags of a script text in the order they first appear.
QStringList tagsOf(const QString& text)
{
    static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
    QStringList tags;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QString found = it.next().captured();
        if (!tags.contains(found))
            tags.append(found);
    }
    return tags;
}

QString comment(const QString& limit, const QStringList& tags)
{
    if (tags.isEmpty())
        return limit;
    return limit + QLatin1Char('\n') + tr("tags: %1").arg(tags.join(QLatin1Char(' ')));
}

QByteArray nameBytes(const RecordTablePart& part, int index)
{
    const std::span<quint8> run = part.bytes(RecordPart::Name, index).locate();
    return QByteArray(reinterpret_cast<const char*>(run.data()), qsizetype(run.size()));
}

// A name field's text without the padding at its end: an empty field has
// nothing to translate.
bool isBlank(const QString& name)
{
    return name.trimmed().isEmpty();
}

}  // namespace

std::vector<PoEntry> entries(const CFF3Doc& doc)
{
    std::vector<PoEntry> out;
    const DialogueList& dialogue = doc.part<DialoguePart>().dialogue();
    if (dialogue.loaded) {
        for (std::size_t i = 0; i < dialogue.messages.size(); ++i) {
            const DialogueMessage& message = dialogue.messages[i];
            if (message.isEmpty())
                continue;
            PoEntry entry;
            entry.context = QStringLiteral("%1 %2")
                                .arg(QLatin1String(kDialogueWord))
                                .arg(QStringLiteral("%1").arg(int(i), 4, 16, QLatin1Char('0')).toUpper());
            entry.source = dialoguescript::scriptText(message);
            entry.source.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            const int pages = int(dialoguepages::SplitPages(message.bytes).size());
            const QString limit = pages == 1 ? tr("at most %1 lines, one page").arg(kWindowLines)
                                             : tr("at most %1 lines a page, %2 pages").arg(kWindowLines).arg(pages);
            entry.comment = comment(limit, tagsOf(entry.source));
            out.push_back(std::move(entry));
        }
    }
    for (const NameTable& table : kNameTables) {
        const RecordTablePart& part = table.part(doc);
        for (int i = 0; i < part.count(); ++i) {
            const int width = part.nameWidth(i);
            const QByteArray bytes = nameBytes(part, i);
            if (table.skip(i) || width <= 0 || bytes.size() < width)
                continue;
            PoEntry entry;
            entry.context = QStringLiteral("%1 %2").arg(QLatin1String(table.word)).arg(i);
            entry.source = menutext::PlainName(reinterpret_cast<const quint8*>(bytes.constData()), width);
            if (isBlank(entry.source))
                continue;
            entry.comment = comment(tr("at most %1 characters").arg(width), tagsOf(entry.source));
            out.push_back(std::move(entry));
        }
    }
    return out;
}

bool write(const CFF3Doc& doc, QByteArray* file, QString* error)
{
    return pofile::write(entries(doc), file, error);
}

QString ImportSummary::text() const
{
    const QString messageCount = messages == 1 ? tr("1 message") : tr("%1 messages").arg(messages);
    const QString nameCount = names == 1 ? tr("1 name") : tr("%1 names").arg(names);
    const QString fuzzyCount = fuzzy == 1 ? tr("1 fuzzy entry") : tr("%1 fuzzy entries").arg(fuzzy);
    return tr("%1 and %2 applied, %3 skipped.").arg(messageCount, nameCount, fuzzyCount);
}

namespace {

// What one entry's context names.
struct Target {
    const NameTable* table = nullptr;  // none for a message
    int index = -1;
};

std::optional<Target> parseContext(const QString& context)
{
    static const QRegularExpression message(QStringLiteral("^dialogue ([0-9A-F]{4})$"));
    static const QRegularExpression name(QStringLiteral("^([a-z]+) (0|[1-9][0-9]{0,4})$"));
    if (const auto m = message.match(context); m.hasMatch())
        return Target{nullptr, m.captured(1).toInt(nullptr, 16)};
    if (const auto m = name.match(context); m.hasMatch())
        for (const NameTable& table : kNameTables)
            if (m.captured(1) == QLatin1String(table.word))
                return Target{&table, m.captured(2).toInt()};
    return std::nullopt;
}

}  // namespace

bool apply(CFF3Doc& doc, const std::vector<PoEntry>& entries, ImportSummary* summary, QStringList* errors)
{
    const DialogueList& dialogue = doc.part<DialoguePart>().dialogue();
    ImportSummary counts;
    std::map<int, QByteArray> messages;
    std::vector<std::pair<TableBytes, QByteArray>> names;
    std::map<std::pair<const NameTable*, int>, int> seen;  // a target's first entry line
    QStringList faults;
    for (const PoEntry& entry : entries) {
        if (entry.fuzzy) {
            ++counts.fuzzy;
            continue;
        }
        if (entry.translation.isEmpty())
            continue;
        const QString where = tr("line %1: \"%2\"").arg(entry.line).arg(entry.context);
        const std::optional<Target> target = parseContext(entry.context);
        if (!target) {
            faults.append(tr("%1: no message or name has this context").arg(where));
            continue;
        }
        if (const auto [at, fresh] = seen.emplace(std::pair(target->table, target->index), entry.line); !fresh) {
            faults.append(tr("%1: translated already on line %2").arg(where).arg(at->second));
            continue;
        }
        if (!target->table) {
            if (!dialogue.loaded || target->index >= int(dialogue.messages.size())) {
                faults.append(tr("%1: no message or name has this context").arg(where));
                continue;
            }
            QString text = entry.translation;
            text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
            DialogueMessage parsed;
            ScriptError error;
            if (!ParseDialogue(parsed, text, &error)) {
                faults.append(tr("%1: text %2").arg(where, error.text()));
                continue;
            }
            ++counts.messages;
            if (parsed.bytes != dialogue.messages[std::size_t(target->index)].bytes)
                messages.emplace(target->index, parsed.bytes);
            continue;
        }
        const RecordTablePart& part = target->table->part(doc);
        const int width = target->index < part.count() ? part.nameWidth(target->index) : 0;
        if (width <= 0 || target->table->skip(target->index)) {
            faults.append(tr("%1: no message or name has this context").arg(where));
            continue;
        }
        QByteArray field;
        QString reason;
        if (!menutext::ParsePlainName(entry.translation, width, &field, &reason)) {
            faults.append(tr("%1: %2").arg(where, reason));
            continue;
        }
        ++counts.names;
        if (field != nameBytes(part, target->index).left(width))
            names.emplace_back(part.bytes(RecordPart::Name, target->index), field);
    }
    if (!faults.isEmpty()) {
        errors->append(faults);
        return false;
    }
    counts.changed = int(messages.size() + names.size());
    if (counts.changed > 0) {
        QUndoStack* stack = doc.undoStack();
        const QString step = tr("Import Text");
        stack->beginMacro(step);
        for (const auto& [message, bytes] : messages)
            stack->push(new ReplaceMessageCommand(doc, message, bytes));
        for (auto& [target, bytes] : names)
            stack->push(new SetBytesCommand(doc, std::move(target), 0, bytes, step));
        stack->endMacro();
    }
    if (summary)
        *summary = counts;
    return true;
}

bool import(CFF3Doc& doc, const QByteArray& file, ImportSummary* summary, QStringList* errors)
{
    std::vector<PoEntry> read;
    return pofile::read(file, &read, errors) && apply(doc, read, summary, errors);
}

}  // namespace textcatalog

}  // namespace tessel
