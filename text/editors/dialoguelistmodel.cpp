#include "text/editors/dialoguelistmodel.h"

#include "document/cff3doc.h"
#include "document/longestwords.h"
#include "text/dialoguepages.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/fontspart.h"

namespace tessel {

DialogueListModel::DialogueListModel(CFF3Doc& doc, QObject* parent) : QAbstractListModel(parent), doc_(doc)
{
    reload();
    connect(&doc_, &CFF3Doc::changed, this, [this](const DocumentChange& change) {
        if (change.touches(RecordKind::Message) && !change.ref.isWhole())
            messageChanged(change.ref.index);
        else if (change.touches(RecordKind::Message))
            reload();
        else if (change.touches(RecordKind::DialogueGlyph))
            forgetMarks();  // widths decide the wrapping
        else if (longestNames_ && (change.touches(RecordKind::Item) || change.touches(RecordKind::Spell)
                                   || change.touches(RecordKind::Esper)))
            forgetMarks();  // a longest name may have changed
    });
    connect(&doc_, &CFF3Doc::documentLoaded, this, &DialogueListModel::reload);
    connect(&doc_, &CFF3Doc::documentCleared, this, &DialogueListModel::reload);
}

const std::vector<DialogueMessage>& DialogueListModel::messages() const
{
    return doc_.part<DialoguePart>().dialogue().messages;
}

void DialogueListModel::forgetMarks()
{
    longest_.reset();
    std::fill(overflow_.begin(), overflow_.end(), -1);
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

void DialogueListModel::setLongestNames(bool on)
{
    if (on == longestNames_)
        return;
    longestNames_ = on;
    forgetMarks();
}

void DialogueListModel::reload()
{
    longest_.reset();
    beginResetModel();
    overflow_.assign(messages().size(), -1);
    endResetModel();
}

int DialogueListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(overflow_.size());
}

const QByteArray& DialogueListModel::bytes(int row) const
{
    static const QByteArray none;
    return row >= 0 && std::size_t(row) < messages().size() ? messages()[std::size_t(row)].bytes
                                                                        : none;
}

bool DialogueListModel::overflows(int row) const
{
    if (row < 0 || std::size_t(row) >= overflow_.size())
        return false;
    signed char& known = overflow_[std::size_t(row)];
    if (known < 0) {
        if (longestNames_ && !longest_)
            longest_ = longestWords(doc_);
        known = dialoguepages::Overflows(bytes(row), doc_.part<FontsPart>().fonts(),
                                         longestNames_ ? &*longest_ : nullptr) ? 1 : 0;
    }
    return known == 1;
}

int DialogueListModel::nextOverflowing(int row) const
{
    const int count = rowCount();
    for (int step = 1; step <= count; ++step) {
        const int candidate = (row + step) % count;
        if (overflows(candidate))
            return candidate;
    }
    return -1;
}

QVariant DialogueListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: return QStringLiteral("%1:").arg(index.row(), 4, 16, QLatin1Char('0')).toUpper();
    case MessageRole: return bytes(index.row());
    case OverflowRole: return overflows(index.row());
    default: return {};
    }
}

void DialogueListModel::messageChanged(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    overflow_[std::size_t(row)] = -1;
    emit dataChanged(index(row), index(row));
}

}  // namespace tessel
