#include "records/views/cmagiceditview.h"

CMagicEditView::CMagicEditView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Magic"),
                       QStringLiteral("The spells will appear here: their names and properties."), parent)
{
}
