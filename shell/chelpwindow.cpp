#include "shell/chelpwindow.h"

#include "shell/helptext.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace tessel {

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("CHelpWindow"));
    setWindowTitle(tr("Tessel Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setOpenExternalLinks(true);
    const QString help = helpMarkdown(builtInReadme());
    if (help.isEmpty())
        browser_->setPlainText(tr("The help text is missing from this build of Tessel."));
    else
        browser_->setMarkdown(help);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

}  // namespace tessel
