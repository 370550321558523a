#pragma once

#include <QWidget>

class QTextBrowser;

namespace tessel {

// Help > Contents: the user's sections of the README in a window of their own.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace tessel
