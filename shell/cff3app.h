#pragma once

#include "shell/csettings.h"
#include "shell/recentfilelist.h"

#include <QStringList>

#include <memory>

namespace tessel {

class CFF3Doc;
class CMainFrame;

namespace platform {
class FileChooser;
class MessageService;
class SettingsStore;
}  // namespace platform

// The application: owns the settings, the display information, the map
// editor's clipboard format, the one document and the main window, and
// starts and ends them in order.
class CFF3App {
public:
    // Where settings are kept, messages go and files are chosen; nullptr
    // picks the real ones (QSettings under "Ombrel"/"Tessel", message boxes,
    // the system's file dialogs). Not owned.
    struct Services {
        platform::SettingsStore* settingsStore = nullptr;
        platform::MessageService* messages = nullptr;
        platform::FileChooser* files = nullptr;
        // Where recovery copies are kept; empty: the application's data folder.
        QString recoveryFolder;
    };

    CFF3App();
    explicit CFF3App(Services services);
    ~CFF3App();

    // Start-up; arguments are the command line after the program name (at
    // most one file to open). False when the program must end at once.
    bool initInstance(const QStringList& arguments);
    // Writes the settings and releases everything; returns the exit code.
    int exitInstance();

    // Shows the display error report for code and makes the program quit
    // as soon as its event loop runs.
    void reportDisplayError(quint32 code);

    CSettings& settings() { return settings_; }
    RecentFileList& recentFiles() { return recent_; }
    quint32 worldMapClipboardFormat() const { return worldMapFormat_; }
    int displayDepth() const { return displayDepth_; }
    bool quitRequested() const { return quitRequested_; }
    CFF3Doc& document() { return *doc_; }
    CMainFrame* mainFrame() const { return mainFrame_.get(); }

private:
    bool createDisplay();

    std::unique_ptr<platform::SettingsStore> ownStore_;
    std::unique_ptr<platform::MessageService> ownMessages_;
    platform::SettingsStore* store_;
    platform::MessageService* messages_;
    platform::FileChooser* files_;
    QString recoveryFolder_;
    CSettings settings_;
    RecentFileList recent_;
    quint32 worldMapFormat_ = 0;
    int displayDepth_ = 0;
    bool quitRequested_ = false;
    bool exited_ = false;
    std::unique_ptr<CFF3Doc> doc_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

inline constexpr char kLowColourMessage[] = QT_TRANSLATE_NOOP(
    "CFF3App",
    "This program cannot currently be run in\na 256-color screenmode.  Please increase the\n"
    "number of colors to 16-bit or higher.");

}  // namespace tessel
