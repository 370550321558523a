#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class CEditorView;

// The views of one editor frame, one per tab. Subclasses list their tabs in
// the constructor; the frame creates the views and records them here.
class CTabbedViewGroup {
public:
    struct Entry {
        QString title;
        QString viewClass;
        CEditorView* view = nullptr;  // set by the frame; owned by the frame
    };

    virtual ~CTabbedViewGroup() = default;

    // Called once by the frame before it creates the views.
    virtual void setUp() {}

    int initialTab() const { return initialTab_; }
    QList<Entry>& entries() { return entries_; }
    const QList<Entry>& entries() const { return entries_; }

    // Creates a group by its class name; nullptr for an unknown name.
    static std::unique_ptr<CTabbedViewGroup> create(const QString& className);

protected:
    void addEntry(const QString& title, const QString& viewClass) { entries_.append({title, viewClass, nullptr}); }

private:
    int initialTab_ = 0;
    QList<Entry> entries_;
};
