#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QRadioButton;

namespace tessel {

class CFileField;

namespace platform {
class FileChooser;
}

// File > Create Patch: the original (the file as it was opened, or another
// file) and the patch file, whose extension picks IPS or BPS. The modified
// file is always the saved file.
class CCreatePatchDialog : public QDialog {
    Q_OBJECT

public:
    CCreatePatchDialog(const QString& modifiedPath, bool openedBytesKept, platform::FileChooser& files,
                       QWidget* parent = nullptr);

    bool useOpenedOriginal() const;
    QString originalPath() const;
    QString patchPath() const;

private:
    void updateState();

    QRadioButton* opened_;
    QRadioButton* other_;
    CFileField* original_;
    CFileField* patch_;
    QLabel* problem_;
    QDialogButtonBox* buttons_;
};

}  // namespace tessel
