#pragma once

namespace tessel {

class CFF3Doc;
class CMainFrame;
class CSettings;

// File > Restore Backup: lists the open file's backups, and after asking
// replaces the file with the chosen one and opens it again. With backups
// on, the file as it is now is kept as a backup first, so a restore can be
// undone by another.
class BackupRestore {
public:
    BackupRestore(CMainFrame& frame, CFF3Doc& doc, const CSettings& settings)
        : frame_(frame), doc_(doc), settings_(settings)
    {
    }

    void run();

private:
    CMainFrame& frame_;
    CFF3Doc& doc_;
    const CSettings& settings_;
};

}  // namespace tessel
