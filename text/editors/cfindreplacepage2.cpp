#include "text/editors/cfindreplacepage2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel {

CFindReplacePage2::CFindReplacePage2(QWidget* parent) : CFindReplacePage1(parent)
{
    replaceWith_ = new QComboBox(this);
    replaceWith_->setObjectName(QStringLiteral("combo%1").arg(int(kReplaceWithId)));
    replaceWith_->setEditable(true);
    replaceWith_->setInsertPolicy(QComboBox::NoInsert);
    replaceWith_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* label = new QLabel(tr("Re&place with:"), this);
    label->setBuddy(replaceWith_);
    fields()->addWidget(label, 1, 0);
    fields()->addWidget(replaceWith_, 1, 1);

    replace_ = new QPushButton(tr("&Replace"), this);
    replace_->setObjectName(QStringLiteral("button%1").arg(int(kReplaceId)));
    replaceAll_ = new QPushButton(tr("Replace &All"), this);
    replaceAll_->setObjectName(QStringLiteral("button%1").arg(int(kReplaceAllId)));
    // Under "Find Next", above "Cancel".
    buttons()->insertWidget(1, replace_);
    buttons()->insertWidget(2, replaceAll_);

    setTabChain({findWhat(), replaceWith_, searchDirection(), matchCase(), wholeWords(), findNextButton(), replace_,
                 replaceAll_, cancelButton()});

    connect(replace_, &QPushButton::clicked, this, &CFindReplacePage2::replaceClicked);
    connect(replaceAll_, &QPushButton::clicked, this, &CFindReplacePage2::replaceAllClicked);
}

QString CFindReplacePage2::replacement() const
{
    return replaceWith_->currentText();
}

void CFindReplacePage2::rememberReplacement()
{
    remember(replaceWith_);
}

}  // namespace tessel
