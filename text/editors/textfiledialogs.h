#pragma once

#include "platform/messageservice.h"

#include <functional>

class QString;
class QWidget;

namespace tessel {

class CFF3Doc;

namespace platform {
class FileChooser;
}

// File > Export Text and Import Text: the game text as a gettext PO file
// for translators, chosen with the file dialog, with the outcome in a
// message box.
namespace textfiledialogs {

struct Context {
    QWidget* parent = nullptr;
    CFF3Doc& doc;
    platform::FileChooser& files;
    // Shows a message box (the document's message service in the views).
    std::function<void(const QString& text, const QString& caption, platform::MessageIcon icon)> showMessage;
    // Applies text typed in the editors first; false when the user stays
    // to correct it.
    std::function<bool()> commitPendingEdits;
};

void exportText(const Context& context);
// All or nothing, one step of Edit > Undo.
void importText(const Context& context);

}  // namespace textfiledialogs

}  // namespace tessel
