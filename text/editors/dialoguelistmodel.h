#pragma once

#include "text/dialoguepages.h"

#include <QAbstractListModel>

#include <optional>
#include <vector>

namespace tessel {

class CFF3Doc;
struct DialogueMessage;

// The document's dialogue messages as rows of a list, one per message. The
// model holds no copy of the text: rows follow the document, and whether a
// message overflows the dialogue window is worked out when first asked and
// kept until the message or the fonts change.
class DialogueListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { MessageRole = Qt::UserRole, OverflowRole };

    explicit DialogueListModel(CFF3Doc& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const QByteArray& bytes(int row) const;
    bool overflows(int row) const;
    // The first overflowing message after `row`, round to the start; -1 when none does.
    int nextOverflowing(int row) const;

    // Rereads every row (a new document).
    void reload();

    // Whether the marks count names and substitutions as their longest
    // (the default) or as the game's default words.
    void setLongestNames(bool on);
    bool longestNames() const { return longestNames_; }

private:
    void messageChanged(int row);
    const std::vector<DialogueMessage>& messages() const;
    // Every mark is to be worked out again.
    void forgetMarks();

    CFF3Doc& doc_;
    // Per row: -1 not yet known, 0 fits, 1 overflows.
    mutable std::vector<signed char> overflow_;
    bool longestNames_ = true;
    // The longest words, worked out when first needed.
    mutable std::optional<WordChoice> longest_;
};

}  // namespace tessel
