#pragma once

#include "text/dialoguepages.h"

#include <QWidget>

#include <vector>

namespace tessel {

class CFF3Doc;

// The pages of one message side by side, each as the game's dialogue window
// shows it: the window picture with the page's text wrapped into it in
// white with its shadow, and "Page n" under it. A page whose text does not
// fit the window is framed in red and labelled "Too long". Pages of text
// that is not yet applied are labelled as a preview.
class CPageStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kEntryWidth = 248;
    static constexpr int kEntryHeight = 96;
    static constexpr int kPictureMargin = 4;

    explicit CPageStrip(CFF3Doc& doc, QWidget* parent = nullptr);

    // Shows the pages of `message`; `preview` marks text not yet applied.
    void showMessage(const QByteArray& message, bool preview);
    void clear();
    // Lays the names and substitutions out as their longest (the default)
    // or as the game's default words.
    void setLongestNames(bool on);
    bool longestNames() const { return longestNames_; }

    int pageCount() const { return int(pages_.size()); }
    const DialoguePage& page(int index) const { return pages_.at(std::size_t(index)); }
    bool isPreview() const { return preview_; }
    QString pageLabel(int index) const;
    QRect entryRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut();

    CFF3Doc& doc_;
    QByteArray message_;
    std::vector<DialoguePage> pages_;
    bool preview_ = false;
    bool longestNames_ = true;
};

}  // namespace tessel
