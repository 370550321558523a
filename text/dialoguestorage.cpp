#include "text/dialoguestorage.h"

#include "document/editorflags.h"
#include "document/freespace.h"
#include "document/romimage.h"

// The dialogue layouts are not read or written yet: the document keeps no
// dialogue and a save leaves the dialogue area as it is.
void LoadDialogue(RomImage&, DialogueList& dialogue)
{
    dialogue = {};
}

bool SaveDialogue(RomImage&, const DialogueList&, FreeSpace&, EditorFlags&, QString*)
{
    return true;
}
