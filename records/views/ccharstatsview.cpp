#include "records/views/ccharstatsview.h"

CCharStatsView::CCharStatsView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Character Packages"),
                       QStringLiteral("The characters will appear here: their starting statistics, sprites and palettes."), parent)
{
}
