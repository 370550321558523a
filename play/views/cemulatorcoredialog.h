#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace tessel {

// "Emulator Core": the libretro core that Run loads. An empty choice is
// the default core; the dialog says which core a path holds, or why it
// can't be loaded.
class CEmulatorCoreDialog : public QDialog {
    Q_OBJECT

public:
    CEmulatorCoreDialog(const QString& corePath, QWidget* parent = nullptr);

    // The chosen path; empty for the default core.
    QString corePath() const;
    void setCorePath(const QString& path);
    QString description() const;

private:
    void browse();
    void describe();

    QLineEdit* path_ = nullptr;
    QLabel* description_ = nullptr;
};

}  // namespace tessel
