#include "shell/comparecommands.h"

#include "compare/romcomparison.h"
#include "compare/views/cchangeswindow.h"
#include "document/cff3doc.h"
#include "platform/gui/waitcursor.h"
#include "platform/messageservice.h"
#include "shell/cmainframe.h"
#include "shell/ctabbedframe.h"
#include "shell/documentviews.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessel {

namespace {

QString nameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

// Patches may be made for and applied to files Tessel does not open: those
// go ahead without a list of changes, and without a message about them.
class QuietMessages : public platform::MessageService {
public:
    void showMessage(const QString&, const QString&, platform::MessageIcon) override {}
};

QString countText(std::size_t count)
{
    // Spelled out for one: without a translation "%n change(s)" would show as such.
    return count == 1 ? QCoreApplication::translate("CompareCommands", "1 change")
                      : QCoreApplication::translate("CompareCommands", "%n changes", nullptr, int(count));
}

}  // namespace

void CompareCommands::compareWith()
{
    if (!doc_.isLoaded())
        return;
    const QString path = frame_.fileChooser().openFileName(
        &frame_, QCoreApplication::translate("CompareCommands", "Compare With"), QFileInfo(doc_.pathName()).path(),
        QCoreApplication::translate("CompareCommands", "All Files (*)"));
    if (path.isEmpty())
        return;
    RomChanges changes;
    {
        platform::WaitCursor wait;
        const std::unique_ptr<CFF3Doc> other = romcomparison::openFile(path, &frame_.messages());
        if (!other)
            return;
        changes = romcomparison::compare(doc_, *other);
    }
    const QString heading = QCoreApplication::translate("CompareCommands", "From %1 (open) to %2: %3")
                                .arg(nameOf(doc_.pathName()), nameOf(path), countText(changes.size()));
    auto* window = new CChangesWindow(std::move(changes), heading, QString(), &frame_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setModal(false);
    CMainFrame* frame = &frame_;  // the window outlives this object
    QObject::connect(window, &CChangesWindow::subjectRequested, frame, [frame](const RecordRef& subject) {
        if (CTabbedFrame* opened = frame->editorViews().openAt(subject))
            opened->initialUpdate();
    });
    window->show();
}

bool CompareCommands::confirmPatchResult(const QString& sourcePath, const QByteArray& result)
{
    RomChanges changes;
    {
        platform::WaitCursor wait;
        QuietMessages quiet;
        const std::unique_ptr<CFF3Doc> source = romcomparison::openFile(sourcePath, &quiet);
        const std::unique_ptr<CFF3Doc> patched = source ? romcomparison::openBytes(result, &quiet) : nullptr;
        if (!patched)
            return true;
        changes = romcomparison::compare(*source, *patched);
    }
    const QString heading = QCoreApplication::translate("CompareCommands", "The patch changes %1: %2")
                                .arg(nameOf(sourcePath), countText(changes.size()));
    CChangesWindow window(std::move(changes), heading, QCoreApplication::translate("CompareCommands", "Apply"),
                          &frame_);
    return window.exec() == QDialog::Accepted;
}

bool CompareCommands::confirmPatchContents(const QByteArray& original, const QString& modifiedPath)
{
    RomChanges changes;
    {
        platform::WaitCursor wait;
        QuietMessages quiet;
        const std::unique_ptr<CFF3Doc> before = romcomparison::openBytes(original, &quiet);
        const std::unique_ptr<CFF3Doc> after = before ? romcomparison::openFile(modifiedPath, &quiet) : nullptr;
        if (!after)
            return true;
        changes = romcomparison::compare(*before, *after);
    }
    const QString heading = QCoreApplication::translate("CompareCommands", "The patch to %1 holds %2")
                                .arg(nameOf(modifiedPath), countText(changes.size()));
    CChangesWindow window(std::move(changes), heading, QCoreApplication::translate("CompareCommands", "Create"),
                          &frame_);
    return window.exec() == QDialog::Accepted;
}

}  // namespace tessel
