#pragma once

#include "play/emulatorcore.h"
#include "play/framepacer.h"
#include "play/views/runaudio.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <array>

class QAction;
class QActionGroup;

namespace tessel {

class CRunScreen;
struct PlaySettings;

namespace platform {
class FileChooser;
class MessageService;
}

// The "Run" window: plays the ROM file as it lies on disk in a libretro
// core, at the console's frame rate on the editor's own thread, with the
// keyboard as the pad, sound when there is a device, pause, reset,
// fast-forward while Tab is held, four quick states in memory and
// screenshots. Closing the window ends the run.
class CRunWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kQuickStateSlots = 4;

    CRunWindow(PlaySettings& settings, platform::MessageService& messages, QWidget* parent = nullptr);
    ~CRunWindow() override;

    // Loads the chosen core and the file and starts running, replacing any
    // run in progress. On failure shows the message and returns false.
    bool start(const QString& romPath);
    // Ends the run and lets the core go.
    void stop();

    EmulatorCore& core() { return core_; }
    CRunScreen* screen() const { return screen_; }
    QString romPath() const { return romPath_; }

    bool isPaused() const { return paused_; }
    void setPaused(bool paused);
    bool isFastForward() const { return fastForward_; }
    void setFastForward(bool on);
    void reset();

    void saveQuickState(int slot);
    void loadQuickState(int slot);
    bool hasQuickState(int slot) const;

    // Writes the current frame, at the console's size, as a PNG; false with
    // a message when it cannot.
    bool saveScreenshot(const QString& path);
    // The dialogs "Screenshot..." asks through (not owned; the system's until set).
    void setFileChooser(platform::FileChooser& files) { files_ = &files; }

    void setScale(int scale);
    void setPixelAspect(bool widened);

    // Runs frames now, with the keys held at this moment (the pacing timer
    // calls this with the frames that are due).
    void runFrames(int count);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void tick();
    void scheduleTick();
    void restartPacing();
    void chooseScreenshot();
    void editKeys();
    void fitToPicture();
    void showStatus(const QString& text);
    // Ends the run of a core that misbehaved, with the message naming what
    // it did; false while the core behaves.
    bool stopFaultyCore();

    PlaySettings& settings_;
    platform::MessageService& messages_;
    EmulatorCore core_;
    RunAudio audio_;
    FramePacer pacer_;
    QElapsedTimer clock_;
    QTimer timer_;
    CRunScreen* screen_ = nullptr;
    QString romPath_;
    bool paused_ = false;
    bool fastForward_ = false;
    std::array<QByteArray, kQuickStateSlots> quickStates_;
    QString statesOwner_;  // the core (path, name, version) and file that made them
    int screenshotNumber_ = 0;
    platform::FileChooser* files_ = nullptr;
    QAction* pauseAction_ = nullptr;
    QAction* aspectAction_ = nullptr;
    QActionGroup* scaleGroup_ = nullptr;
};

}  // namespace tessel
