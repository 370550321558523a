#pragma once

#include <QString>

class QWidget;

namespace tessel {

namespace platform {
class FileChooser;
class MessageService;
}  // namespace platform

// After Open refused a file: when it is the accepted game without its
// copier header, offers to write a copy with one (the original is never
// changed) and returns the copy's path for opening, else an empty string.
class HeaderlessOffer {
public:
    HeaderlessOffer(QWidget* parent, platform::MessageService& messages, platform::FileChooser& files)
        : parent_(parent), messages_(messages), files_(files)
    {
    }

    QString run(const QString& path);

private:
    QWidget* parent_;
    platform::MessageService& messages_;
    platform::FileChooser& files_;
};

inline constexpr char kHeaderlessQuestion[] =
    QT_TRANSLATE_NOOP("HeaderlessOffer", "Create a copy with a copier header and open it?");

}  // namespace tessel
