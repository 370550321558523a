#include "shell/recoverykeeper.h"

#include "document/cff3doc.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>

namespace tessel {

RecoveryKeeper::RecoveryKeeper(CFF3Doc& doc, const int& interval, QObject* parent)
    : QObject(parent), doc_(doc), interval_(interval)
{
    writer_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::timeUp);
    connect(&doc_, &CFF3Doc::changed, this, &RecoveryKeeper::documentChanged);
    connect(&doc_, &CFF3Doc::documentLoaded, this, &RecoveryKeeper::documentLoaded);
    connect(&doc_, &CFF3Doc::documentSaved, this, &RecoveryKeeper::documentLoaded);
    // The document is its file again, or gone: its copy has nothing to keep.
    connect(&doc_, &CFF3Doc::documentSaved, this, &RecoveryKeeper::discard);
    connect(&doc_, &CFF3Doc::documentCleared, this, &RecoveryKeeper::discard);
    connect(&doc_, &CFF3Doc::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            discard();
    });
}

RecoveryKeeper::~RecoveryKeeper()
{
    writer_.waitForDone();
}

void RecoveryKeeper::documentLoaded()
{
    const QFileInfo file(doc_.pathName());
    romSize_ = file.exists() ? file.size() : -1;
    romModified_ = file.exists() ? file.lastModified() : QDateTime();
}

void RecoveryKeeper::documentChanged()
{
    if (interval_ <= 0 || !doc_.isLoaded())
        return;
    dirty_ = true;
    // A write under way schedules the next when it ends.
    if (!timer_.isActive() && !writing_)
        schedule();
}

void RecoveryKeeper::schedule()
{
    const qint64 wait = sinceCopy_.isValid() ? qMax<qint64>(0, qint64(interval_) * 1000 - sinceCopy_.elapsed()) : 0;
    timer_.start(int(wait));
}

void RecoveryKeeper::timeUp()
{
    // The command that announced the change may have left the stack clean.
    if (dirty_ && doc_.isModified() && interval_ > 0)
        writeNow();
    else
        dirty_ = false;
}

void RecoveryKeeper::writeNow()
{
    waitForWrite();
    timer_.stop();
    dirty_ = false;
    if (!doc_.isLoaded())
        return;
    // The file is read on the writer's thread; the parts then encode into
    // it here, where the document lives, and the copy is written there.
    writing_ = true;
    sinceCopy_.start();
    const quint64 generation = generation_;
    const QString path = doc_.pathName();
    writer_.start([this, generation, path, source = doc_.saveBaseSource()] {
        QByteArray base;
        QString why;
        const bool ok = source.read(&base, &why);
        QMetaObject::invokeMethod(
            this,
            [this, generation, path, ok, base = std::move(base), why]() mutable {
                encodeAndWrite(generation, path, ok, std::move(base), why);
            },
            Qt::QueuedConnection);
    });
}

void RecoveryKeeper::encodeAndWrite(quint64 generation, const QString& path, bool baseRead, QByteArray base,
                                    const QString& reason)
{
    // Saved, discarded or another file opened while the file was read.
    if (generation != generation_ || path != doc_.pathName() || !doc_.isLoaded()) {
        copyEnded();
        return;
    }
    QByteArray image;
    QString why = reason;
    if (!baseRead || !doc_.encodeSaveImage(std::move(base), &image, &why)) {
        reportFailure(why);
        copyEnded();
        return;
    }
    RecoveryCopy copy;
    copy.romPath = path;
    copy.romSize = romSize_;
    copy.romModified = romModified_;
    copy.copied = QDateTime::currentDateTimeUtc();
    if (openFrames_)
        copy.frames = openFrames_();
    const RecoveryStore store = store_;
    writer_.start([this, generation, store, copy = std::move(copy), image = std::move(image)]() mutable {
        QString failure;
        const bool ok = store.write(copy, image, &failure);
        QMetaObject::invokeMethod(
            this, [this, generation, id = copy.id, ok, failure] { writeEnded(generation, id, ok, failure); },
            Qt::QueuedConnection);
    });
}

void RecoveryKeeper::waitForWrite()
{
    // A copy is read, encoded and written in turn: each outcome waits in
    // the queue and is handled here, in order, until none is under way.
    while (writing_) {
        writer_.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

void RecoveryKeeper::writeEnded(quint64 generation, const QString& id, bool ok, const QString& reason)
{
    if (generation != generation_) {
        // Discarded while it was written.
        store_.remove(id);
    } else if (ok) {
        ownedId_ = id;
        failureShown_ = false;
        emit copyWritten(id);
    } else {
        reportFailure(reason);
    }
    copyEnded();
}

void RecoveryKeeper::copyEnded()
{
    writing_ = false;
    if (dirty_ && !timer_.isActive())
        schedule();
}

void RecoveryKeeper::reportFailure(const QString& reason)
{
    if (failureShown_)
        return;
    failureShown_ = true;
    emit writeFailed(reason);
}

void RecoveryKeeper::adopt(const RecoveryCopy& copy)
{
    waitForWrite();
    ownedId_ = copy.id;
    // The copy holds the document as it is: the next change is copied at once.
    sinceCopy_.invalidate();
}

void RecoveryKeeper::discard()
{
    ++generation_;
    timer_.stop();
    dirty_ = false;
    sinceCopy_.invalidate();
    waitForWrite();
    if (!ownedId_.isEmpty())
        store_.remove(ownedId_);
    ownedId_.clear();
}

}  // namespace tessel
