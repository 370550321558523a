#include "shell/editorviewfactory.h"

#include "records/views/ccharstatsview.h"
#include "text/editors/cdialogueview.h"
#include "records/views/cespereditview.h"
#include "text/editors/cffonteditview.h"
#include "records/views/citemeditview.h"
#include "records/views/cmagiceditview.h"
#include "worldmap/views/cmapview.h"
#include "records/views/cmonstereditview.h"
#include "records/views/cmonsterformationview.h"
#include "records/views/cshopeditview.h"
#include "text/editors/cvfonteditview.h"

namespace {

template <class View>
CEditorView* make(CFF3Doc& doc, QWidget* parent)
{
    return new View(doc, parent);
}

struct ViewClass {
    const char* name;
    CEditorView* (*create)(CFF3Doc&, QWidget*);
};

constexpr ViewClass kViewClasses[] = {
    {"CMapView", make<CMapView>},
    {"CDialogueView", make<CDialogueView>},
    {"CVFontEditView", make<CVFontEditView>},
    {"CFFontEditView", make<CFFontEditView>},
    {"CItemEditView", make<CItemEditView>},
    {"CShopEditView", make<CShopEditView>},
    {"CMagicEditView", make<CMagicEditView>},
    {"CEsperEditView", make<CEsperEditView>},
    {"CMonsterFormationView", make<CMonsterFormationView>},
    {"CMonsterEditView", make<CMonsterEditView>},
    {"CCharStatsView", make<CCharStatsView>},
};

}  // namespace

CEditorView* createEditorView(const QString& className, CFF3Doc& doc, QWidget* parent)
{
    for (const ViewClass& view : kViewClasses) {
        if (className == QLatin1String(view.name))
            return view.create(doc, parent);
    }
    return nullptr;
}
