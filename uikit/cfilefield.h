#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tessel {

namespace platform {
class FileChooser;
}

// A file name to type or choose: a line edit and a "Browse..." button that
// opens the system's open or save dialog there.
class CFileField : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Open, Save };

    CFileField(Mode mode, const QString& caption, const QString& filter, platform::FileChooser& files,
               QWidget* parent = nullptr);

    QString path() const;
    void setPath(const QString& path);
    QLineEdit* edit() const { return edit_; }
    QPushButton* browseButton() const { return browse_; }

signals:
    void pathChanged(const QString& path);

private:
    void browse();

    Mode mode_;
    QString caption_;
    QString filter_;
    platform::FileChooser& files_;
    QLineEdit* edit_;
    QPushButton* browse_;
};

}  // namespace tessel
