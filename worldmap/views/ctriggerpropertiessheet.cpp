#include "worldmap/views/ctriggerpropertiessheet.h"

#include "uikit/ceditorview.h"
#include "worldmap/views/centrancetriggerpage.h"
#include "worldmap/views/ceventtriggerpage.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessel {

CTriggerPropertiesSheet::CTriggerPropertiesSheet(const MapTrigger& trigger, const CEditorView& messages,
                                                 QWidget* parent)
    : QDialog(parent), messages_(messages), original_(trigger), result_(trigger)
{
    setWindowTitle(tr("Trigger Properties"));
    setObjectName(QStringLiteral("triggerProperties"));
    if (trigger.kind == MapTrigger::Event) {
        auto* page = new CEventTriggerPage;
        connect(page, &CEventTriggerPage::scriptRequested, this, &CTriggerPropertiesSheet::scriptRequested);
        connect(page, &CEventTriggerPage::scriptRefused, this, [this](const QString& refusal) {
            messages_.showMessage(refusal, QStringLiteral("Tessel"), platform::MessageIcon::Warning);
        });
        page_ = page;
    } else {
        page_ = new CEntranceTriggerPage;
    }
    page_->load(trigger);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(page_, tr("General"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

void CTriggerPropertiesSheet::accept()
{
    QString refusal;
    QWidget* field = nullptr;
    const std::optional<MapTrigger> edited = page_->store(original_, &refusal, &field);
    if (!edited) {
        messages_.showMessage(refusal, QStringLiteral("Tessel"), platform::MessageIcon::Warning);
        if (field) {
            field->setFocus();
            if (auto* edit = qobject_cast<QLineEdit*>(field))
                edit->selectAll();
        }
        return;
    }
    result_ = *edited;
    QDialog::accept();
}

}  // namespace tessel
