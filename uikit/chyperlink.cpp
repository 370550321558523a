#include "uikit/chyperlink.h"

#include "platform/messageservice.h"
#include "uikit/hyperlinkerrors.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace tessel {

CHyperlink::CHyperlink(const QUrl& url, QWidget* parent)
    : QLabel(parent), url_(url), opener_([](const QUrl& target) { return QDesktopServices::openUrl(target); })
{
    setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toString().toHtmlEscaped()));
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setOpenExternalLinks(false);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QLabel::linkActivated, this, [this] { follow(); });
}

bool CHyperlink::follow()
{
    if (opener_(url_))
        return true;
    // The desktop gives no error number, only failure: most often nothing
    // is registered to open web addresses.
    const QString text = tr(uikit::kHyperlinkFailurePrefix)
                         + uikit::hyperlinkErrorReason(uikit::kNoAssociationError);
    if (messages_)
        messages_->showMessage(text, QStringLiteral("Tessel"), platform::MessageIcon::Warning);
    else
        QMessageBox::warning(window(), QStringLiteral("Tessel"), text);
    return false;
}

}  // namespace tessel
