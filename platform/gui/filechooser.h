#pragma once

#include <QString>

class QWidget;

namespace tessel {

namespace platform {

// The system's file dialogs as a service, so tests can answer them. An
// empty result means the user cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& start,
                                 const QString& filter);
    // selectedFilter, when given, receives the filter the user chose.
    // With a defaultSuffix ("png"), a name typed without an extension gets
    // it (or the extension of the filter chosen, when that names one) before
    // the dialog looks for an existing file, and it asks before replacing one.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter, QString* selectedFilter = nullptr,
                                 const QString& defaultSuffix = QString());
};

// The extension a filter of one pattern names ("png" for "PNG pictures
// (*.png)"); empty for any other filter.
QString suffixOfFilter(const QString& filter);

}  // namespace platform

}  // namespace tessel
