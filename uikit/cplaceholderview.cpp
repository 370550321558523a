#include "uikit/cplaceholderview.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tessel {

CPlaceholderView::CPlaceholderView(CFF3Doc& doc, const QString& heading, const QString& description,
                                   QWidget* parent)
    : CEditorView(doc, parent)
{
    auto* title = new QLabel(heading, this);
    title->setObjectName(QStringLiteral("heading"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);

    description_ = new QLabel(description, this);
    description_->setObjectName(QStringLiteral("description"));
    description_->setAlignment(Qt::AlignCenter);
    description_->setWordWrap(true);
    description_->setForegroundRole(QPalette::PlaceholderText);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(title);
    layout->addWidget(description_);
    layout->addStretch(1);
    setMinimumSize(320, 200);
}

void CPlaceholderView::setDescription(const QString& description)
{
    description_->setText(description);
}

}  // namespace tessel
