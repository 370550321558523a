#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace tessel {

class CEditorView;
class CFF3Doc;

// The views of one editor frame, one per tab: each tab's title and how its
// view is made. Subclasses list their tabs in the constructor; the frame
// creates the views and records them here.
class CTabbedViewGroup {
public:
    using ViewFactory = std::function<CEditorView*(CFF3Doc&, QWidget*)>;

    struct Entry {
        QString title;
        QString viewClass;  // the view's class name, also its object name
        ViewFactory create;
        CEditorView* view = nullptr;  // set by the frame; owned by the frame
    };

    virtual ~CTabbedViewGroup() = default;

    // Called once by the frame before it creates the views.
    virtual void setUp() {}

    int initialTab() const { return initialTab_; }
    QList<Entry>& entries() { return entries_; }
    const QList<Entry>& entries() const { return entries_; }

protected:
    template <class View>
    void addEntry(const QString& title)
    {
        entries_.append({title, objectNameOf(View::staticMetaObject.className()),
                         [](CFF3Doc& doc, QWidget* parent) -> CEditorView* { return new View(doc, parent); }, nullptr});
    }

private:
    // A view's class name without its namespace.
    static QString objectNameOf(const char* className)
    {
        const QString name = QString::fromLatin1(className);
        return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    }

    int initialTab_ = 0;
    QList<Entry> entries_;
};

}  // namespace tessel
