#include "records/views/tablefiledialogs.h"

#include "document/cff3doc.h"
#include "document/recordtablepart.h"
#include "document/tablefile.h"
#include "platform/fileaccess.h"
#include "platform/gui/filechooser.h"
#include "uikit/ceditorview.h"

#include <QCoreApplication>

namespace tessel {

namespace tablefiledialogs {

namespace {

constexpr char kContext[] = "TableFileDialogs";

const RecordTablePart* tableOf(const CEditorView& view)
{
    return view.document().recordTable(view.subjectKind());
}

}  // namespace

bool hasTable(const CEditorView& view)
{
    return view.subjectKind() != RecordKind::None && tableOf(view) != nullptr;
}

void exportTable(CEditorView& view)
{
    if (!hasTable(view))
        return;
    const QString caption = QCoreApplication::translate(kContext, "Export Table");
    const QString path = view.fileChooser().saveFileName(
        &view, caption, tableOf(view)->tableName() + QStringLiteral(".csv"),
        QCoreApplication::translate(kContext, "CSV tables (*.csv)") + QStringLiteral(";;") + QCoreApplication::translate(kContext, "JSON tables (*.json)"), nullptr, QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const std::optional<tablefile::Format> format = tablefile::formatOf(path);
    if (!format) {
        view.showMessage(QCoreApplication::translate(kContext, "%1: a table file must end in .json or .csv").arg(path), caption,
                         platform::MessageIcon::Warning);
        return;
    }
    if (!view.commitPendingEdits())
        return;
    QString reason;
    if (!platform::replaceFileAtomically(path, tablefile::exportTable(view.document(), view.subjectKind(), *format),
                                         &reason))
        view.showMessage(QCoreApplication::translate(kContext, "Could not save %1: %2").arg(path, reason), caption, platform::MessageIcon::Error);
}

void importTable(CEditorView& view)
{
    if (!hasTable(view) || !view.commitPendingEdits())
        return;
    const QString caption = QCoreApplication::translate(kContext, "Import Table");
    const QString path = view.fileChooser().openFileName(
        &view, caption, QString(),
        QCoreApplication::translate(kContext, "Table files (*.csv *.json)") + QStringLiteral(";;") + QCoreApplication::translate(kContext, "CSV tables (*.csv)") + QStringLiteral(";;") +
            QCoreApplication::translate(kContext, "JSON tables (*.json)"));
    if (path.isEmpty())
        return;
    const tablefile::ImportResult result = tablefile::importFile(view.document(), path, view.subjectKind());
    if (!result.errors.isEmpty()) {
        const QStringList lines = tablefields::reportLines(result.errors);
        view.showMessage(QCoreApplication::translate(kContext, "Nothing was imported:") + QLatin1Char('\n') + lines.join(QLatin1Char('\n')), caption,
                         platform::MessageIcon::Warning);
        return;
    }
    view.showMessage(result.changedRecords == 0 ? QCoreApplication::translate(kContext, "No record changed.")
                                                : QCoreApplication::translate(kContext, "%1 records changed.").arg(result.changedRecords),
                     caption, platform::MessageIcon::Information);
}

}  // namespace tablefiledialogs

}  // namespace tessel
