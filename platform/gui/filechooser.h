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
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter, QString* selectedFilter = nullptr);
};

}  // namespace platform

}  // namespace tessel
