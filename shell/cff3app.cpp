#include "shell/cff3app.h"

#include "document/cff3doc.h"
#include "platform/gui/boxmessageservice.h"
#include "platform/gui/clipboardformat.h"
#include "platform/gui/displayerrors.h"
#include "platform/gui/displaysurface.h"
#include "platform/settingsstore.h"
#include "shell/cmainframe.h"
#include "shell/recoverykeeper.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>

namespace tessel {

namespace {
constexpr int kLowestDepth = 16;
}

CFF3App::CFF3App() : CFF3App(Services{}) {}

CFF3App::CFF3App(Services services)
{
    if (!services.settingsStore)
        ownStore_ = std::make_unique<platform::QSettingsStore>();
    if (!services.messages)
        ownMessages_ = std::make_unique<platform::BoxMessageService>();
    store_ = services.settingsStore ? services.settingsStore : ownStore_.get();
    messages_ = services.messages ? services.messages : ownMessages_.get();
    files_ = services.files;
    recoveryFolder_ = services.recoveryFolder;
}

CFF3App::~CFF3App()
{
    if (!exited_)
        exitInstance();
}

bool CFF3App::initInstance(const QStringList& arguments)
{
    recent_.setFiles(store_->recentFiles());
    settings_.load(*store_);
    worldMapFormat_ = platform::registerClipboardFormat(QString::fromLatin1(platform::kWorldMapClipboardFormat));

    if (createDisplay() && displayDepth_ < kLowestDepth) {
        messages_->showMessage(QCoreApplication::translate("CFF3App", kLowColourMessage), QStringLiteral("Tessel"),
                               platform::MessageIcon::Error);
        return false;
    }

    doc_ = std::make_unique<CFF3Doc>();
    doc_->setMessageService(messages_);
    doc_->setUndoLimit(settings_.undoLimit);
    mainFrame_ = std::make_unique<CMainFrame>(*doc_, settings_, recent_, *messages_);
    mainFrame_->setFileChooser(files_);
    if (!recoveryFolder_.isEmpty())
        mainFrame_->recoveryKeeper().setStore(RecoveryStore(recoveryFolder_));
    if (auto* boxes = dynamic_cast<platform::BoxMessageService*>(messages_))
        boxes->setParent(mainFrame_.get());

    if (!arguments.isEmpty() && !mainFrame_->openDocument(arguments.first()))
        return false;

    mainFrame_->show();
    // Copies of changes a crash left behind are offered over the window.
    if (arguments.isEmpty())
        QMetaObject::invokeMethod(mainFrame_.get(), &CMainFrame::offerRecoveryCopies, Qt::QueuedConnection);
    return true;
}

bool CFF3App::createDisplay()
{
    if (!QGuiApplication::primaryScreen()) {
        reportDisplayError(platform::kDisplayNoHardware);
        return false;
    }
    displayDepth_ = platform::screenDepth();
    return true;
}

void CFF3App::reportDisplayError(quint32 code)
{
    messages_->showMessage(platform::displayErrorText(code),
                           QCoreApplication::translate("DisplayErrors", platform::kDisplayErrorCaption),
                           platform::MessageIcon::Error);
    quitRequested_ = true;
    // Start-up goes on; the program ends as soon as its event loop starts.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

int CFF3App::exitInstance()
{
    if (exited_)
        return 0;
    exited_ = true;
    if (mainFrame_) {
        if (mainFrame_->isVisible())
            mainFrame_->storePlacement();
        if (auto* boxes = dynamic_cast<platform::BoxMessageService*>(messages_))
            boxes->setParent(nullptr);
        mainFrame_.reset();
    }
    settings_.save(*store_);
    store_->setRecentFiles(recent_.files());
    doc_.reset();
    return 0;
}

}  // namespace tessel
