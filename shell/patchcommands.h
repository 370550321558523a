#pragma once

#include <QString>

namespace tessel {

class CFF3Doc;
class CMainFrame;

// File > Create Patch and Apply Patch: the questions, the dialogs and the
// messages around the patch files.
class PatchCommands {
public:
    PatchCommands(CMainFrame& frame, CFF3Doc& doc) : frame_(frame), doc_(doc) {}

    // From the original (by default the file as it was opened) to the saved file.
    void createPatch();
    // From a ROM (by default the saved file) and a patch to a new file,
    // which the user may then open.
    void applyPatch();

private:
    // Applies text typed in the editors, then, with unsaved changes, offers
    // to save them first; false when a save failed or the user stayed to
    // correct a text.
    bool offerToSave(const QString& why);
    // Asks before an existing file is overwritten.
    bool mayReplace(const QString& path);

    CMainFrame& frame_;
    CFF3Doc& doc_;
};

}  // namespace tessel
