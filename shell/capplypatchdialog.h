#pragma once

#include <QDialog>

#include <functional>

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

    // Runs when the user presses Apply; the dialog closes only when it
    // returns true, and otherwise stays as it was for another try.
    void setApply(std::function<bool()> apply) { apply_ = std::move(apply); }
    void accept() override;

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
    std::function<bool()> apply_;
};

}  // namespace tessel
