#include "shell/editorviewfactory.h"

#include "shell/views/ccharstatsview.h"
#include "shell/views/cdialogueview.h"
#include "shell/views/cespereditview.h"
#include "shell/views/cffonteditview.h"
#include "shell/views/citemeditview.h"
#include "shell/views/cmagiceditview.h"
#include "shell/views/cmapview.h"
#include "shell/views/cmonstereditview.h"
#include "shell/views/cmonsterformationview.h"
#include "shell/views/cshopeditview.h"
#include "shell/views/cvfonteditview.h"

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
