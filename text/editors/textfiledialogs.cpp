#include "text/editors/textfiledialogs.h"

#include "document/cff3doc.h"
#include "document/textcatalog.h"
#include "platform/fileaccess.h"
#include "platform/gui/filechooser.h"
#include "platform/gui/waitcursor.h"
#include "platform/messageservice.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessel {

namespace textfiledialogs {

namespace {

constexpr char kContext[] = "TextFileDialogs";
constexpr qint64 kMaxPoFileSize = 64 * 1024 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString poFilter()
{
    return tr("Translation files (*.po *.pot)");
}

}  // namespace

void exportText(const Context& context)
{
    if (!context.doc.isLoaded() || !context.commitPendingEdits())
        return;
    const QString caption = tr("Export Text");
    const QString suggested = QFileInfo(context.doc.pathName()).completeBaseName() + QStringLiteral(".po");
    const QString path = context.files.saveFileName(context.parent, caption, suggested, poFilter(), nullptr,
                                                    QStringLiteral("po"));
    if (path.isEmpty())
        return;
    QByteArray po;
    QString reason;
    bool written = false;
    {
        platform::WaitCursor wait;
        written = textcatalog::write(context.doc, &po, &reason) && platform::replaceFileAtomically(path, po, &reason);
    }
    if (!written)
        context.showMessage(tr("Could not save %1: %2").arg(path, reason), caption,
                                     platform::MessageIcon::Error);
    else
        context.showMessage(tr("%1 messages and names written to %2.")
                                         .arg(textcatalog::entries(context.doc).size())
                                         .arg(path),
                                     caption, platform::MessageIcon::Information);
}

void importText(const Context& context)
{
    if (!context.doc.isLoaded() || !context.commitPendingEdits())
        return;
    const QString caption = tr("Import Text");
    const QString path = context.files.openFileName(context.parent, caption, QString(), poFilter());
    if (path.isEmpty())
        return;
    const platform::FileReadResult file = platform::readFileBounded(path, kMaxPoFileSize);
    if (!file.ok) {
        context.showMessage(tr("Could not read %1: %2").arg(path, file.reason), caption,
                                     platform::MessageIcon::Warning);
        return;
    }
    textcatalog::ImportSummary summary;
    QStringList errors;
    bool imported = false;
    {
        platform::WaitCursor wait;
        imported = textcatalog::import(context.doc, file.data, &summary, &errors);
    }
    if (!imported) {
        // A long list is cut: the first faults say enough to start correcting.
        constexpr int kShownFaults = 20;
        QStringList shown = errors.mid(0, kShownFaults);
        if (errors.size() > kShownFaults)
            shown.append(tr("... and %1 more").arg(errors.size() - kShownFaults));
        context.showMessage(tr("Nothing was imported from %1:").arg(path) + QLatin1Char('\n')
                                         + shown.join(QLatin1Char('\n')),
                                     caption, platform::MessageIcon::Warning);
        return;
    }
    context.showMessage(summary.text(), caption, platform::MessageIcon::Information);
}

}  // namespace textfiledialogs

}  // namespace tessel
