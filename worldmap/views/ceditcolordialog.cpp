#include "worldmap/views/ceditcolordialog.h"

#include "worldmap/snescolor.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessel {

namespace {

constexpr int kMaxChannel = 31;
constexpr QSize kPreviewSize(160, 48);

int channelOf(quint16 color, CEditColorDialog::Channel channel)
{
    switch (channel) {
    case CEditColorDialog::Red: return SnesColor::red(color);
    case CEditColorDialog::Green: return SnesColor::green(color);
    case CEditColorDialog::Blue: return SnesColor::blue(color);
    }
    return 0;
}

QString hexWord(quint16 color)
{
    return QStringLiteral("%1").arg(color, 4, 16, QLatin1Char('0')).toUpper();
}

QColor screenColor(quint16 color)
{
    return QColor::fromRgb(SnesColor::toScreen32(color));
}

}  // namespace

CEditColorDialog::CEditColorDialog(quint16 color, const QString& what, QWidget* parent)
    : QDialog(parent), original_(color & 0x7FFF), color_(color & 0x7FFF)
{
    setWindowTitle(tr("Edit Color"));
    setObjectName(QStringLiteral("editColor"));
    auto* grid = new QGridLayout;
    const QString names[] = {tr("&Red:"), tr("&Green:"), tr("&Blue:")};
    for (int c = Red; c <= Blue; ++c) {
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(0, kMaxChannel);
        slider->setMinimumWidth(160);
        auto* box = new QSpinBox(this);
        box->setRange(0, kMaxChannel);
        box->setObjectName(names[c].mid(1).chopped(1).toLower());
        auto* label = new QLabel(names[c], this);
        label->setBuddy(box);
        grid->addWidget(label, c, 0);
        grid->addWidget(slider, c, 1);
        grid->addWidget(box, c, 2);
        sliders_[std::size_t(c)] = slider;
        boxes_[std::size_t(c)] = box;
        const Channel channel = Channel(c);
        connect(slider, &QSlider::valueChanged, this, [this, channel](int value) { setChannel(channel, value); });
        connect(box, &QSpinBox::valueChanged, this, [this, channel](int value) { setChannel(channel, value); });
    }
    word_ = new QLabel(this);
    word_->setObjectName(QStringLiteral("word"));
    preview_ = new QLabel(this);
    preview_->setFixedSize(kPreviewSize);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    if (!what.isEmpty())
        layout->addWidget(new QLabel(what, this));
    auto* previewRow = new QHBoxLayout;
    previewRow->addWidget(preview_);
    previewRow->addWidget(word_, 1);
    layout->addLayout(previewRow);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    showColor();
}

void CEditColorDialog::setChannel(Channel channel, int value)
{
    const int r = channel == Red ? value : SnesColor::red(color_);
    const int g = channel == Green ? value : SnesColor::green(color_);
    const int b = channel == Blue ? value : SnesColor::blue(color_);
    const quint16 next = SnesColor::fromComponents(r, g, b);
    if (next == color_)
        return;
    color_ = next;
    showColor();
}

void CEditColorDialog::showColor()
{
    for (int c = Red; c <= Blue; ++c) {
        const QSignalBlocker quietSlider(sliders_[std::size_t(c)]);
        const QSignalBlocker quietBox(boxes_[std::size_t(c)]);
        sliders_[std::size_t(c)]->setValue(channelOf(color_, Channel(c)));
        boxes_[std::size_t(c)]->setValue(channelOf(color_, Channel(c)));
    }
    word_->setText(tr("Color word: $%1\nBefore: $%2").arg(hexWord(color_), hexWord(original_)));
    // The colour before on the left, the colour now on the right.
    QPixmap picture(kPreviewSize);
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, kPreviewSize.width() / 2, kPreviewSize.height()), screenColor(original_));
    painter.fillRect(QRect(kPreviewSize.width() / 2, 0, kPreviewSize.width() / 2, kPreviewSize.height()),
                     screenColor(color_));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.end();
    preview_->setPixmap(picture);
}

std::optional<quint16> CEditColorDialog::edit(quint16 color, const QString& what, QWidget* parent)
{
    CEditColorDialog dialog(color, what, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.color();
}

}  // namespace tessel
