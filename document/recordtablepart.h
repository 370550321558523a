#pragma once

#include "document/documentpart.h"
#include "document/tablebytes.h"
#include "records/property.h"
#include "records/propertycontext.h"

#include <span>

namespace tessel {

class CFF3Doc;

// A part that holds one table of game records which the data editors show
// as property lists (items, spells, espers, shops, monsters, formations,
// characters): how many records, the two byte runs of each (its name and
// the record), and the property list the bytes give.
class RecordTablePart : public DocumentPart {
public:
    explicit RecordTablePart(CFF3Doc& doc) : doc_(doc) {}

    virtual RecordKind kind() const = 0;
    // "items", "spells" ...: the name in table files, and the part's id.
    virtual QString tableName() const = 0;
    // "Item", "Spell" ...: how reports name one record ("Item 5").
    virtual QString recordWord() const = 0;
    virtual int count() const = 0;
    // The width of the name a list shows for the record (0 for none).
    virtual int nameWidth(int index) const { return 0; }
    // A run of record `index`. A record without a name has a name run
    // that locates nothing.
    virtual TableBytes bytes(RecordPart run, int index) const = 0;
    // The list the record would have with these bytes.
    virtual PropertyList properties(int index, std::span<const quint8> name, std::span<const quint8> record,
                                    const PropertyContext& context) const = 0;

    QString id() const override { return tableName(); }
    std::vector<RecordKind> kinds() const override { return {kind()}; }
    // Every property of every record, labelled "Group/Label" as in table files.
    std::vector<PartField> fields() const override;

    // Keeps the bytes every record has now as the file's (after a load or
    // a save), so editors can show and revert what changed since.
    void rememberFileBytes();
    // A run of record `index` as the file holds it; the current bytes when
    // nothing was remembered.
    QByteArray fileBytes(RecordPart run, int index) const;

protected:
    CFF3Doc& document() const { return doc_; }
    // A run of one record, found by `locate` each time it is used.
    TableBytes runOf(RecordPart run, int index, TableBytes::Locator locate) const;
    // A run for records without one.
    TableBytes noRun(int index) const;

private:
    CFF3Doc& doc_;
    std::vector<QByteArray> fileNames_;
    std::vector<QByteArray> fileRecords_;
};

}  // namespace tessel
