#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;

namespace tessel {

class CFileField;

namespace platform {
class FileChooser;
}

// File > Apply Patch: the ROM to patch (the open file unless the user
// picks another), the patch, and the new file to write, which may be
// neither the open file nor the ROM.
class CApplyPatchDialog : public QDialog {
    Q_OBJECT

public:
    CApplyPatchDialog(const QString& openPath, platform::FileChooser& files, QWidget* parent = nullptr);

    QString romPath() const;
    QString patchPath() const;
    QString outputPath() const;

private:
    void suggestOutput();
    void updateState();

    QString openPath_;
    CFileField* rom_;
    CFileField* patch_;
    CFileField* output_;
    QString suggested_;  // the output name last filled in for the user
    QLabel* problem_;
    QDialogButtonBox* buttons_;
};

}  // namespace tessel
