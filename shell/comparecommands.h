#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

class CFF3Doc;
class CMainFrame;

// File > Compare With..., and the Changes windows that show what a patch
// does before it is applied or made.
class CompareCommands {
public:
    CompareCommands(CMainFrame& frame, CFF3Doc& doc) : frame_(frame), doc_(doc) {}

    // The open document against a file the user picks, in a Changes window
    // whose changes open the editors of the open document.
    void compareWith();
    // What `result` (a patch's result) changes in the file at sourcePath;
    // true when the user chooses Apply.
    bool confirmPatchResult(const QString& sourcePath, const QByteArray& result);
    // What a patch from `original` to the file at modifiedPath holds; true
    // when the user chooses Create.
    bool confirmPatchContents(const QByteArray& original, const QString& modifiedPath);

private:
    CMainFrame& frame_;
    CFF3Doc& doc_;
};

}  // namespace tessel
