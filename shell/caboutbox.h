#pragma once

#include <QDialog>

namespace tessel {

class CHyperlink;

namespace platform {
class MessageService;
}

// The About box: program icon, version line with build date, where to find
// more information, and a link to the project's home page.
class CAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit CAboutBox(QWidget* parent = nullptr, platform::MessageService* messages = nullptr);

    // "Tessel vX.X (mm/dd/yyyy)"
    static QString versionLine();
    CHyperlink* link() const { return link_; }

private:
    CHyperlink* link_;
};

}  // namespace tessel
