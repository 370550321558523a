#pragma once

#include <QChar>
#include <QtGlobal>

namespace tessel {

// Editing a fixed-width name field of the menu encoding in place: a caret
// from 0 to the width, typed characters shift the rest right, trailing
// spaces become padding. The widgets draw it; this is the whole behaviour.
class NameFieldModel {
public:
    static constexpr int kCellWidth = 8;
    static constexpr int kDefaultWidth = 8;

    NameFieldModel();
    // Edits `bytes` (width bytes) in place from now on.
    void attach(quint8* bytes, int width);

    int width() const { return width_; }
    int caret() const { return caret_; }
    const quint8* bytes() const { return bytes_; }

    // Returns false (the caller beeps) when the caret is at the end.
    bool typeChar(QChar ch);
    void backspace();
    void deleteForward();
    void home() { caret_ = 0; }
    void end() { caret_ = width_; }
    void left(bool ctrl);
    void right(bool ctrl);
    // Places the caret for a click x pixels from the field's left edge.
    void clickAt(int x);

private:
    void normalise();
    void removeAt(int index);

    quint8 ownBytes_[kDefaultWidth];
    quint8* bytes_ = nullptr;
    int width_ = kDefaultWidth;
    int caret_ = 0;
};

}  // namespace tessel
