#include "shell/tvgdialoguegroup.h"

TVGDialogueGroup::TVGDialogueGroup()
{
    addEntry(QStringLiteral("Standard Dialogue"), QStringLiteral("CDialogueView"));
    addEntry(QStringLiteral("Dialogue Font"), QStringLiteral("CVFontEditView"));
    addEntry(QStringLiteral("Menu Font"), QStringLiteral("CFFontEditView"));
}
