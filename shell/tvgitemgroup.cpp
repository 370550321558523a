#include "shell/tvgitemgroup.h"

TVGItemGroup::TVGItemGroup()
{
    addEntry(QStringLiteral("Items"), QStringLiteral("CItemEditView"));
    addEntry(QStringLiteral("Shops"), QStringLiteral("CShopEditView"));
    addEntry(QStringLiteral("Magic"), QStringLiteral("CMagicEditView"));
    addEntry(QStringLiteral("Espers"), QStringLiteral("CEsperEditView"));
}
