#include "text/editors/cfindreplacepage3.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace tessel {

CFindReplacePage3::CFindReplacePage3(QWidget* parent) : QWidget(parent)
{
    what_ = new QListWidget(this);
    what_->setObjectName(QStringLiteral("list%1").arg(int(kGoToWhatId)));
    what_->addItem(tr("Message"));
    what_->setCurrentRow(0);
    what_->setMaximumHeight(80);
    auto* whatLabel = new QLabel(tr("G&o to what:"), this);
    whatLabel->setBuddy(what_);

    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("edit%1").arg(int(kNumberId)));
    auto* numberLabel = new QLabel(tr("&Enter item number:"), this);
    numberLabel->setBuddy(number_);
    auto* note = new QLabel(tr("Enter + and \u2013 to move relative to the current location.  Example: +4 will "
                                           "move forward four items."),
                            this);
    note->setWordWrap(true);

    previous_ = new QPushButton(tr("Pre&vious"), this);
    previous_->setObjectName(QStringLiteral("button%1").arg(int(kPreviousId)));
    next_ = new QPushButton(tr("&Next"), this);
    next_->setObjectName(QStringLiteral("button%1").arg(int(kNextId)));
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName(QStringLiteral("close"));

    auto* fields = new QGridLayout;
    fields->addWidget(whatLabel, 0, 0, Qt::AlignTop);
    fields->addWidget(what_, 1, 0);
    fields->addWidget(numberLabel, 0, 1, Qt::AlignTop);
    fields->addWidget(number_, 1, 1, Qt::AlignTop);
    fields->addWidget(note, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(buttons);

    for (auto [first, second] : {std::pair<QWidget*, QWidget*>{what_, number_}, {number_, previous_}, {previous_, next_},
                                 {next_, close_}})
        setTabOrder(first, second);

    connect(previous_, &QPushButton::clicked, this, [this] { emit goToClicked(number_->text(), true); });
    connect(next_, &QPushButton::clicked, this, [this] { emit goToClicked(number_->text(), false); });
    connect(close_, &QPushButton::clicked, this, &CFindReplacePage3::closeClicked);
}

}  // namespace tessel
