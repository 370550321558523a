#include "records/views/cespereditview.h"

CEsperEditView::CEsperEditView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Espers"),
                       QStringLiteral("The espers will appear here: the spells they teach and their level bonus."), parent)
{
}
