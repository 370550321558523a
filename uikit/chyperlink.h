#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

namespace tessel {

namespace platform {
class MessageService;
}

// A link label: shows its address underlined with the hand cursor and opens
// it with the desktop's "open" action when clicked. A failure is reported
// as "Unable to open hyperlink:" with the reason.
class CHyperlink : public QLabel {
    Q_OBJECT

public:
    explicit CHyperlink(const QUrl& url, QWidget* parent = nullptr);

    QUrl url() const { return url_; }
    void setMessageService(platform::MessageService* messages) { messages_ = messages; }
    // Replaces the desktop's "open" action (tests).
    void setOpener(std::function<bool(const QUrl&)> opener) { opener_ = std::move(opener); }

    // Opens the address as a click does; false when it could not be opened.
    bool follow();

private:
    QUrl url_;
    platform::MessageService* messages_ = nullptr;
    std::function<bool(const QUrl&)> opener_;
};

}  // namespace tessel
