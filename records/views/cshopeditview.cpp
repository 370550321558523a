#include "records/views/cshopeditview.h"

CShopEditView::CShopEditView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Shops"),
                       QStringLiteral("The shops will appear here: their kind, price rule and wares."), parent)
{
}
