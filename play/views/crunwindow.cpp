#include "play/views/crunwindow.h"

#include "platform/fileaccess.h"
#include "platform/filereport.h"
#include "platform/gui/filechooser.h"
#include "platform/gui/waitcursor.h"
#include "platform/messageservice.h"
#include "play/playsettings.h"
#include "play/views/cpadkeysdialog.h"
#include "play/views/crunscreen.h"

#include <QActionGroup>
#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>

namespace tessel {

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("CRunWindow", "Run");
constexpr int kStatusMilliseconds = 3000;
// Fast-forward runs frames for this long per tick, then lets the editor
// handle its events.
constexpr qint64 kFastForwardSliceNs = 12'000'000;

}  // namespace

CRunWindow::CRunWindow(PlaySettings& settings, platform::MessageService& messages, QWidget* parent)
    : QMainWindow(parent), settings_(settings), messages_(messages)
{
    setObjectName(QStringLiteral("CRunWindow"));
    setWindowTitle(tr(kCaption));
    screen_ = new CRunScreen(settings_.keys, this);
    screen_->setScale(settings_.scale);
    screen_->setPixelAspect(settings_.pixelAspect);
    setCentralWidget(screen_);
    buildMenus();
    connect(screen_, &CRunScreen::fastForwardChanged, this, &CRunWindow::setFastForward);
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CRunWindow::tick);
    fitToPicture();
}

CRunWindow::~CRunWindow()
{
    stop();
}

void CRunWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* shot = file->addAction(tr("&Screenshot..."), this, &CRunWindow::chooseScreenshot);
    shot->setObjectName(QStringLiteral("actionScreenshot"));
    shot->setShortcut(QKeySequence(Qt::Key_F12));
    file->addSeparator();
    QAction* close = file->addAction(tr("&Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu* emulation = menuBar()->addMenu(tr("&Emulation"));
    pauseAction_ = emulation->addAction(tr("&Pause"));
    pauseAction_->setObjectName(QStringLiteral("actionPause"));
    pauseAction_->setCheckable(true);
    pauseAction_->setShortcut(QKeySequence(Qt::Key_P));
    connect(pauseAction_, &QAction::triggered, this, &CRunWindow::setPaused);
    QAction* resetAction = emulation->addAction(tr("&Reset"), this, &CRunWindow::reset);
    resetAction->setObjectName(QStringLiteral("actionReset"));
    resetAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    // Tab is held for fast-forward; the menu command latches it.
    QAction* fast = emulation->addAction(tr("&Fast-Forward\tHold Tab"));
    fast->setObjectName(QStringLiteral("actionFastForward"));
    fast->setCheckable(true);
    connect(fast, &QAction::triggered, this, &CRunWindow::setFastForward);
    connect(screen_, &CRunScreen::fastForwardChanged, fast, &QAction::setChecked);
    emulation->addSeparator();
    QMenu* saveMenu = emulation->addMenu(tr("&Save State"));
    QMenu* loadMenu = emulation->addMenu(tr("&Load State"));
    for (int slot = 0; slot < kQuickStateSlots; ++slot) {
        const Qt::Key key = Qt::Key(Qt::Key_F1 + slot);
        QAction* save = saveMenu->addAction(tr("Slot &%1").arg(slot + 1), this,
                                            [this, slot] { saveQuickState(slot); });
        save->setObjectName(QStringLiteral("actionSaveState%1").arg(slot + 1));
        save->setShortcut(QKeySequence(Qt::SHIFT | key));
        QAction* load = loadMenu->addAction(tr("Slot &%1").arg(slot + 1), this,
                                            [this, slot] { loadQuickState(slot); });
        load->setObjectName(QStringLiteral("actionLoadState%1").arg(slot + 1));
        load->setShortcut(QKeySequence(key));
    }
    emulation->addSeparator();
    emulation->addAction(tr("&Keyboard..."), this, &CRunWindow::editKeys);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    scaleGroup_ = new QActionGroup(this);
    for (int scale = PlaySettings::kMinScale; scale <= PlaySettings::kMaxScale; ++scale) {
        QAction* action = view->addAction(QStringLiteral("&%1x").arg(scale), this, [this, scale] { setScale(scale); });
        action->setObjectName(QStringLiteral("actionScale%1").arg(scale));
        action->setCheckable(true);
        action->setChecked(scale == settings_.scale);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + scale)));
        scaleGroup_->addAction(action);
    }
    view->addSeparator();
    aspectAction_ = view->addAction(tr("&8:7 Pixel Aspect"), this, &CRunWindow::setPixelAspect);
    aspectAction_->setObjectName(QStringLiteral("actionPixelAspect"));
    aspectAction_->setCheckable(true);
    aspectAction_->setChecked(settings_.pixelAspect);
}

bool CRunWindow::start(const QString& romPath)
{
    stop();
    {
        platform::WaitCursor wait;
        if (!core_.loadCore(settings_.effectiveCorePath()) || !core_.loadGame(romPath)) {
            const QString message = core_.errorString();
            core_.unload();
            messages_.showMessage(message, tr(kCaption), platform::MessageIcon::Warning);
            return false;
        }
    }
    // States of an earlier run of the same file still serve: a ROM hacker
    // saves next to the spot being changed and loads it after each edit.
    // They belong to the core that made them; another core gets none.
    const QString statesOwner = QStringList{settings_.effectiveCorePath(), core_.info().name,
                                            core_.info().version, romPath}
                                    .join(QLatin1Char('\n'));
    if (statesOwner != statesOwner_)
        quickStates_ = {};
    statesOwner_ = statesOwner;
    romPath_ = romPath;
    setWindowTitle(QStringLiteral("%1 - %2").arg(tr(kCaption), QFileInfo(romPath).fileName()));
    pacer_ = FramePacer(core_.frameRate());
    core_.setAudioEnabled(audio_.open(core_.sampleRate()));
    paused_ = false;
    pauseAction_->setChecked(false);
    fastForward_ = false;
    statusBar()->showMessage(QStringLiteral("%1 %2").arg(core_.info().name, core_.info().version), kStatusMilliseconds);
    screen_->setFocus();
    restartPacing();
    timer_.start(0);
    return true;
}

void CRunWindow::stop()
{
    timer_.stop();
    audio_.close();
    core_.unload();
    screen_->releaseAll();
}

void CRunWindow::restartPacing()
{
    clock_.start();
    pacer_.restart(clock_.nsecsElapsed());
}

void CRunWindow::tick()
{
    if (!core_.isGameLoaded() || paused_)
        return;
    if (fastForward_) {
        QElapsedTimer slice;
        slice.start();
        do
            runFrames(1);
        while (slice.nsecsElapsed() < kFastForwardSliceNs);
        timer_.start(0);
        return;
    }
    const int due = pacer_.framesDue(clock_.nsecsElapsed());
    if (due > 0)
        runFrames(due);
    scheduleTick();
}

void CRunWindow::scheduleTick()
{
    // Whole milliseconds, rounded down: a tick may come early, never late.
    const qint64 wait = pacer_.nanosecondsToNextFrame(clock_.nsecsElapsed());
    timer_.start(int(wait / 1'000'000));
}

void CRunWindow::runFrames(int count)
{
    if (!core_.isGameLoaded())
        return;
    core_.setPadButtons(screen_->heldButtons());
    for (int i = 0; i < count; ++i)
        core_.runFrame();
    if (stopFaultyCore())
        return;
    const std::vector<qint16> sound = core_.takeAudio();
    if (!fastForward_)
        audio_.write(sound);
    screen_->setFrame(core_.frame());
}

void CRunWindow::setPaused(bool paused)
{
    paused_ = paused;
    pauseAction_->setChecked(paused);
    if (paused) {
        timer_.stop();
        audio_.suspend();
        statusBar()->showMessage(tr("Paused"));
        return;
    }
    statusBar()->clearMessage();
    if (!core_.isGameLoaded())
        return;
    audio_.resume();
    restartPacing();
    timer_.start(0);
}

void CRunWindow::setFastForward(bool on)
{
    if (fastForward_ == on)
        return;
    fastForward_ = on;
    // Back to the clock from here, not from where it was left.
    if (!on)
        restartPacing();
    if (!paused_)
        statusBar()->showMessage(on ? tr("Fast-forward") : QString());
}

void CRunWindow::reset()
{
    if (!core_.isGameLoaded())
        return;
    core_.reset();
    if (!stopFaultyCore())
        showStatus(tr("Reset"));
}

bool CRunWindow::stopFaultyCore()
{
    if (core_.fault().isEmpty())
        return false;
    const QString message = core_.errorString();
    stop();
    close();
    messages_.showMessage(message, tr(kCaption), platform::MessageIcon::Warning);
    return true;
}

void CRunWindow::saveQuickState(int slot)
{
    if (!core_.isGameLoaded() || slot < 0 || slot >= kQuickStateSlots)
        return;
    const QByteArray state = core_.saveState();
    if (stopFaultyCore())
        return;
    if (state.isEmpty()) {
        showStatus(tr("The core cannot save states"));
        return;
    }
    quickStates_[size_t(slot)] = state;
    showStatus(tr("Saved state %1").arg(slot + 1));
}

void CRunWindow::loadQuickState(int slot)
{
    if (!core_.isGameLoaded() || slot < 0 || slot >= kQuickStateSlots)
        return;
    if (quickStates_[size_t(slot)].isEmpty()) {
        showStatus(tr("State %1 is empty").arg(slot + 1));
        return;
    }
    const bool loaded = core_.loadState(quickStates_[size_t(slot)]);
    if (stopFaultyCore())
        return;
    showStatus(loaded ? tr("Loaded state %1").arg(slot + 1) : tr("State %1 could not be loaded").arg(slot + 1));
}

bool CRunWindow::hasQuickState(int slot) const
{
    return slot >= 0 && slot < kQuickStateSlots && !quickStates_[size_t(slot)].isEmpty();
}

bool CRunWindow::saveScreenshot(const QString& path)
{
    if (core_.frame().isNull()) {
        messages_.showMessage(platform::fileErrorReport(platform::FileAction::Save, path,
                                                        tr("The game has drawn no picture yet")),
                              tr(kCaption), platform::MessageIcon::Warning);
        return false;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    QString reason;
    if (!writer.write(core_.frame()))
        reason = writer.errorString();
    else
        platform::replaceFileAtomically(path, png, &reason);
    if (!reason.isEmpty()) {
        messages_.showMessage(platform::fileErrorReport(platform::FileAction::Save, path, reason), tr(kCaption),
                              platform::MessageIcon::Warning);
        return false;
    }
    showStatus(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void CRunWindow::chooseScreenshot()
{
    if (!core_.isGameLoaded())
        return;
    // The picture of this moment, not of when the dialog closes.
    const bool wasPaused = paused_;
    setPaused(true);
    const QFileInfo rom(romPath_);
    QString suggested;
    do
        suggested = rom.dir().filePath(QStringLiteral("%1-%2.png").arg(rom.completeBaseName()).arg(++screenshotNumber_, 3, 10, QLatin1Char('0')));
    while (QFileInfo::exists(suggested));
    platform::FileChooser system;
    const QString path = (files_ ? *files_ : system)
                             .saveFileName(this, tr("Screenshot"), suggested, tr("PNG Images (*.png)"), nullptr,
                                           QStringLiteral("png"));
    if (!path.isEmpty())
        saveScreenshot(path);
    setPaused(wasPaused);
}

void CRunWindow::editKeys()
{
    const bool wasPaused = paused_;
    setPaused(true);
    CPadKeysDialog dialog(settings_.keys, this);
    if (dialog.exec() == QDialog::Accepted)
        settings_.keys = dialog.keys();
    screen_->releaseAll();
    setPaused(wasPaused);
}

void CRunWindow::setScale(int scale)
{
    settings_.scale = std::clamp(scale, PlaySettings::kMinScale, PlaySettings::kMaxScale);
    for (QAction* action : scaleGroup_->actions())
        action->setChecked(action->objectName() == QStringLiteral("actionScale%1").arg(settings_.scale));
    screen_->setScale(settings_.scale);
    fitToPicture();
}

void CRunWindow::setPixelAspect(bool widened)
{
    settings_.pixelAspect = widened;
    aspectAction_->setChecked(widened);
    screen_->setPixelAspect(widened);
    fitToPicture();
}

void CRunWindow::fitToPicture()
{
    if (isMaximized() || isFullScreen())
        return;
    const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    resize(screen_->sizeHint() + QSize(0, bars));
}

void CRunWindow::showStatus(const QString& text)
{
    statusBar()->showMessage(text, kStatusMilliseconds);
}

void CRunWindow::closeEvent(QCloseEvent* event)
{
    stop();
    event->accept();
}

void CRunWindow::changeEvent(QEvent* event)
{
    // Keys let go of while another window has the keyboard never come back.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        screen_->releaseAll();
    QMainWindow::changeEvent(event);
}

}  // namespace tessel
