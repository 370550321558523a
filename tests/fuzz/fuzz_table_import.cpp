// Feeds table files to the import: either the input as JSON text, or one
// exported record whose values the input replaces with numbers, strings,
// flags and nulls of its choosing. Whatever is accepted is undone again,
// and the document must then hold exactly what it held before.
#include "document/tablejson.h"
#include "tests/fuzz/fuzzsampledocument.h"
#include "document/parts/characterspart.h"
#include "document/parts/esperspart.h"
#include "document/parts/formationspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"
#include "document/parts/shopspart.h"
#include "document/parts/spellspart.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace tessel;

namespace {

struct Sample : FuzzSampleDocument {
    Sample()
    {
        for (const RecordTablePart* table : doc.recordTables())
            exported.push_back(QJsonDocument::fromJson(tablejson::exportTable(doc, table->kind())).object());
    }
    std::vector<QJsonObject> exported;
};

// Reads the fuzzer's bytes one after another, zeros past the end.
struct Input {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint8_t next() { return at < size ? data[at++] : 0; }
    bool more() const { return at < size; }
};

QJsonValue fuzzedValue(Input& in)
{
    switch (in.next() % 6) {
    case 0: return QJsonValue(qint64(int32_t(in.next() | in.next() << 8 | in.next() << 16 | in.next() << 24)));
    case 1: return QJsonValue(in.next() / 7.0);
    case 2: return QJsonValue(bool(in.next() & 1));
    case 3: return QJsonValue();
    default: {
        QString text;
        for (int n = in.next() % 24; n > 0; --n)
            text += QChar(ushort(in.next() < 200 ? 0x20 + in.next() % 0x60 : in.next()));
        return text;
    }
    }
}

QJsonObject fuzzedRecord(const QJsonObject& record, Input& in)
{
    QJsonObject result = record;
    for (const QString& group : record.keys()) {
        if (!record.value(group).isObject()) {
            if (in.next() >= 0xF0)
                result.insert(group, fuzzedValue(in));
            continue;
        }
        QJsonObject fields = record.value(group).toObject();
        for (const QString& key : fields.keys())
            if (in.next() >= 0xC0)
                fields.insert(key, fuzzedValue(in));
        result.insert(group, fields);
    }
    return result;
}

// The tables are arrays of byte arrays: equal when their bytes are.
template <class Table>
bool same(const Table& a, const Table& b)
{
    return std::memcmp(&a, &b, sizeof(Table)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sample sample;
    if (size < 2)
        return 0;
    Input in{data, size};
    const uint8_t mode = in.next();
    QJsonObject file;
    if (mode & 0x80) {
        file = QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1))).object();
    } else {
        const QJsonObject& table = sample.exported[mode % sample.exported.size()];
        const QJsonArray records = table.value(QStringLiteral("records")).toArray();
        const QJsonObject record = records[in.next() % records.size()].toObject();
        file = {{QStringLiteral("table"), table.value(QStringLiteral("table"))},
                {QStringLiteral("records"), QJsonArray{fuzzedRecord(record, in)}}};
    }
    CFF3Doc& doc = sample.doc;
    const auto items = doc.part<ItemsPart>().table().items;
    const auto spells = doc.part<SpellsPart>().table().spells;
    const auto espers = doc.part<EspersPart>().table().espers;
    const auto shops = doc.part<ShopsPart>().table().bytes;
    const auto monsters = doc.part<MonstersPart>().table().monsters;
    const auto formations = doc.part<FormationsPart>().table().formations;
    const auto characters = doc.part<CharactersPart>().table().characters;
    const tablejson::ImportResult result = tablejson::importTable(doc, file);
    if (result.changedRecords > 0)
        doc.undoStack()->undo();
    doc.undoStack()->clear();
    if (!same(items, doc.part<ItemsPart>().table().items) || !same(spells, doc.part<SpellsPart>().table().spells) || !same(espers, doc.part<EspersPart>().table().espers) ||
        !same(shops, doc.part<ShopsPart>().table().bytes) || monsters != doc.part<MonstersPart>().table().monsters ||
        formations != doc.part<FormationsPart>().table().formations || characters != doc.part<CharactersPart>().table().characters)
        std::abort();
    return 0;
}
