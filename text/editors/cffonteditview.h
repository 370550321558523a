#pragma once

#include "text/editors/cfonteditview.h"

namespace tessel {

// "Menu Font": the 8 x 8 glyphs of codes 0x80-0xFF, four colours a pixel.
class CFFontEditView : public CFontEditView {
    Q_OBJECT

public:
    explicit CFFontEditView(CFF3Doc& doc, QWidget* parent = nullptr);

protected:
    std::vector<quint8> cellsOf(quint8 code) const override;
    QByteArray bytesOf(const std::vector<quint8>& cells) const override;
    TableBytes glyphTarget(quint8 code) const override;
};

}  // namespace tessel
