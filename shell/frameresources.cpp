#include "shell/frameresources.h"

QString editorFrameTitle(quint32 resourceId)
{
    switch (resourceId) {
    case kWorldMapFrameResource: return QStringLiteral("World Map");
    case kDialogueFrameResource: return QStringLiteral("Dialogue and Fonts");
    case kItemFrameResource: return QStringLiteral("Items and Magic");
    case kMonsterFrameResource: return QStringLiteral("Monster Formations and Statistics");
    case kCharacterFrameResource: return QStringLiteral("Character Statistics and Graphics");
    default: return QString();
    }
}
