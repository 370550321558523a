#pragma once

#include "rom/romaddress.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <span>

namespace tessel {

// A sample ROM image under construction. Every table is placed through
// place(), which records the area it covers, so a test can prove that no
// two tables overlap. Bytes no table covers hold a fixed pseudo-random
// filler, so tests notice any write outside the saved tables.
class SampleRom {
public:
    struct Area {
        SnesAddress start;
        quint32 size;
        QString label;
    };

    SampleRom();

    void place(SnesAddress address, const QByteArray& bytes, const QString& label);
    void place(SnesAddress address, std::span<const quint8> bytes, const QString& label);
    // Records an area whose bytes are written piecemeal with poke().
    void reserve(SnesAddress address, quint32 size, const QString& label);
    void poke(SnesAddress address, quint8 value);
    void pokeWord(SnesAddress address, quint16 value);

    const QList<Area>& areas() const { return areas_; }
    const QByteArray& image() const { return image_; }

private:
    QByteArray image_;
    QList<Area> areas_;
};

// The complete sample ROM: 0x300200 bytes, the same on every machine.
QByteArray buildSampleRom();
// The same, with the list of areas the builder placed.
QByteArray buildSampleRom(QList<SampleRom::Area>* areas);

}  // namespace tessel
