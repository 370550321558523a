#pragma once

#include "document/recoverystore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <vector>

namespace tessel {

class CFF3Doc;

// Keeps a recovery copy of the document while it has unsaved changes: the
// image Save would write: the file read on a thread of the keeper's own,
// the parts encoded into it on the interface thread, the copy written to
// the recovery store on the keeper's thread again. The first change is
// copied at once, later ones at most every `interval` seconds. Save, undoing back to
// the saved state, Discard and a clean exit delete the copy; a write that
// fails is reported once (until one succeeds) and changes nothing else.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    // interval: the seconds between copies, read at each change (0: none).
    RecoveryKeeper(CFF3Doc& doc, const int& interval, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    void setStore(const RecoveryStore& store) { store_ = store; }
    const RecoveryStore& store() const { return store_; }
    // The subjects of the open editor frames, asked at each copy.
    void setOpenFrames(std::function<std::vector<RecordRef>()> frames) { openFrames_ = std::move(frames); }

    // The document was just recovered from this copy: it is the document's now.
    void adopt(const RecoveryCopy& copy);
    // Deletes the document's copy, once a write under way has ended.
    void discard();
    // Copies the document now (a write under way ends first).
    void writeNow();
    // Waits until a write under way has ended and its outcome is handled.
    void waitForWrite();

signals:
    void copyWritten(const QString& id);
    void writeFailed(const QString& reason);

private:
    void documentChanged();
    void documentLoaded();
    void schedule();
    void timeUp();
    void encodeAndWrite(quint64 generation, const QString& path, bool baseRead, QByteArray base,
                        const QString& reason);
    // No copy is under way any more: changes made meanwhile get the next.
    void copyEnded();
    void writeEnded(quint64 generation, const QString& id, bool ok, const QString& reason);
    void reportFailure(const QString& reason);

    CFF3Doc& doc_;
    const int& interval_;
    RecoveryStore store_;
    std::function<std::vector<RecordRef>()> openFrames_;
    QTimer timer_;
    QElapsedTimer sinceCopy_;
    QThreadPool writer_;
    // Changes made since the last copy began.
    bool dirty_ = false;
    bool writing_ = false;
    // Each discard starts a new generation: writes of an older one are forgotten.
    quint64 generation_ = 0;
    QString ownedId_;
    bool failureShown_ = false;
    // The ROM file as it was at Open (or the last save).
    qint64 romSize_ = -1;
    QDateTime romModified_;
};

}  // namespace tessel
