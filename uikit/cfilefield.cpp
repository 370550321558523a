#include "uikit/cfilefield.h"

#include "platform/gui/filechooser.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace tessel {

CFileField::CFileField(Mode mode, const QString& caption, const QString& filter, platform::FileChooser& files,
                       QWidget* parent)
    : QWidget(parent), mode_(mode), caption_(caption), filter_(filter), files_(files)
{
    edit_ = new QLineEdit(this);
    edit_->setMinimumWidth(320);
    browse_ = new QPushButton(tr("Browse..."), this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit_, 1);
    row->addWidget(browse_);
    connect(edit_, &QLineEdit::textChanged, this, &CFileField::pathChanged);
    connect(browse_, &QPushButton::clicked, this, &CFileField::browse);
}

QString CFileField::path() const
{
    return edit_->text().trimmed();
}

void CFileField::setPath(const QString& path)
{
    edit_->setText(path);
}

void CFileField::browse()
{
    QString chosen;
    if (mode_ == Mode::Open) {
        chosen = files_.openFileName(window(), caption_, path(), filter_);
    } else {
        QString selectedFilter;
        chosen = files_.saveFileName(window(), caption_, path(), filter_, &selectedFilter);
        // A name typed without an extension gets the one of the chosen filter.
        const QRegularExpressionMatch extension =
            QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(selectedFilter);
        if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty() && extension.hasMatch())
            chosen += extension.captured(1);
    }
    if (!chosen.isEmpty())
        setPath(chosen);
}

}  // namespace tessel
