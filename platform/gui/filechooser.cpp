#include "platform/gui/filechooser.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace tessel {

namespace platform {

QString FileChooser::openFileName(QWidget* parent, const QString& caption, const QString& start,
                                  const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

QString FileChooser::saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                  const QString& filter, QString* selectedFilter, const QString& defaultSuffix)
{
    if (defaultSuffix.isEmpty())
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter, selectedFilter);
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // The desktop dialogs there ask about replacing the name as typed,
    // before the suffix is added; Qt's own dialog adds it first.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialog.setDefaultSuffix(defaultSuffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, defaultSuffix](const QString& chosen) {
        const QString own = suffixOfFilter(chosen);
        dialog.setDefaultSuffix(own.isEmpty() ? defaultSuffix : own);
    });
    if (selectedFilter && !selectedFilter->isEmpty())
        dialog.selectNameFilter(*selectedFilter);
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

QString suffixOfFilter(const QString& filter)
{
    // "PNG pictures (*.png)": one pattern of the form *.ext
    static const QRegularExpression onePattern(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
    const QRegularExpressionMatch match = onePattern.match(filter.trimmed());
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace platform

}  // namespace tessel
