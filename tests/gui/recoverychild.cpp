// Tessel as the program starts, with edits scripted in, for the tests that
// kill it: it opens the ROM named on its command line, opens the items
// editor, changes one item name, and once that change is in a recovery
// copy changes another; when that one is copied too it prints "copied" and
// goes on running until it is killed.
#include "shell/cff3app.h"
#include "shell/cmainframe.h"
#include "shell/ctabbedframe.h"
#include "shell/documentviews.h"
#include "shell/recoverykeeper.h"
#include "shell/tesselmain.h"
#include "tests/testsupport.h"

#include <cstdio>

using namespace tessel;

int main(int argc, char** argv)
{
    return runTessel(argc, argv, [](CFF3App& app) {
        CMainFrame& frame = *app.mainFrame();
        if (CTabbedFrame* items = frame.editorViews().openAt(RecordRef(RecordKind::Item, 3)))
            items->initialUpdate();
        QObject::connect(&frame.recoveryKeeper(), &RecoveryKeeper::copyWritten, &frame, [&app, copies = 0]() mutable {
            if (++copies == 1) {
                flipItemNameBits(app.document(), 5, 1, 0x02);
                return;
            }
            std::puts("copied");
            std::fflush(stdout);
        });
        QObject::connect(&frame.recoveryKeeper(), &RecoveryKeeper::writeFailed, &frame, [](const QString& reason) {
            std::fprintf(stderr, "%s\n", qPrintable(reason));
        });
        flipItemNameBits(app.document(), 3, 0, 0x01);
    });
}
