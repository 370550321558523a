#pragma once

#include "document/recoverystore.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessel {

// What to do with a recovery copy of unsaved changes.
enum class RecoveryChoice { Recover, OpenSaved, Delete, Cancel };

// Shows what a recovery copy holds (the ROM's path, when the copy was made,
// when the ROM file was last written, and whether that was after the copy)
// and offers to recover it, to open the file as saved or to delete the copy.
class CRecoveryOfferDialog : public QDialog {
    Q_OBJECT

public:
    CRecoveryOfferDialog(const RecoveryCopy& copy, QWidget* parent = nullptr);

    RecoveryChoice choice() const { return choice_; }
    QPushButton* button(RecoveryChoice choice) const;

private:
    void choose(RecoveryChoice choice);

    RecoveryChoice choice_ = RecoveryChoice::Cancel;
    QPushButton* recover_;
    QPushButton* openSaved_;
    QPushButton* delete_;
};

}  // namespace tessel
