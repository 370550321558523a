#include "shell/caboutbox.h"

#include "tesselversion.h"
#include "uikit/chyperlink.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace tessel {

CAboutBox::CAboutBox(QWidget* parent, platform::MessageService* messages) : QDialog(parent)
{
    setWindowTitle(tr("About Tessel"));
    setObjectName(QStringLiteral("CAboutBox"));

    auto* icon = new QLabel(this);
    const QIcon appIcon = QApplication::windowIcon().isNull()
                              ? style()->standardIcon(QStyle::SP_DesktopIcon)
                              : QApplication::windowIcon();
    icon->setPixmap(appIcon.pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(versionLine(), this);
    version->setObjectName(QStringLiteral("version"));
    auto* help = new QLabel(tr("More information is in the help file, README.md."), this);
    help->setObjectName(QStringLiteral("help"));
    auto* updates = new QLabel(tr("Updates and bug fixes can be found at"), this);
    link_ = new CHyperlink(QUrl(QString::fromLatin1(tessel::kHomePage)), this);
    link_->setObjectName(QStringLiteral("link"));
    link_->setMessageService(messages);
    auto* stop = new QLabel(QStringLiteral("."), this);

    auto* linkRow = new QHBoxLayout;
    linkRow->setSpacing(0);
    linkRow->addWidget(link_);
    linkRow->addWidget(stop);
    linkRow->addStretch(1);

    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addWidget(help);
    text->addSpacing(8);
    text->addWidget(updates);
    text->addLayout(linkRow);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutBox::versionLine()
{
    return QStringLiteral("Tessel v%1 (%2)")
        .arg(QString::fromLatin1(tessel::kVersion), QString::fromLatin1(tessel::kBuildDate));
}

}  // namespace tessel
