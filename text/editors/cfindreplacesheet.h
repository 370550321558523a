#pragma once

#include "text/dialoguesearch.h"

#include <QDialog>

class QTabWidget;

namespace tessel {

class CFindReplacePage1;
class CFindReplacePage2;
class CFindReplacePage3;

// The dialogue editor's modeless "Find/Replace" sheet: the pages "Find",
// "Replace" and "Go To". The sheet only collects what to do; the editor
// that owns it does it.
class CFindReplaceSheet : public QDialog {
    Q_OBJECT

public:
    enum Page { FindPage, ReplacePage, GoToPage };

    explicit CFindReplaceSheet(QWidget* parent = nullptr);

    CFindReplacePage1* findPage() const { return find_; }
    CFindReplacePage2* replacePage() const { return replace_; }
    CFindReplacePage3* goToPage() const { return goTo_; }
    QTabWidget* tabs() const { return tabs_; }

    // Shows the sheet on a page, raised, the page's first field focused.
    void showPage(Page page);

signals:
    void findNextRequested(const SearchOptions& options);
    void replaceRequested(const SearchOptions& options, const QString& replacement);
    void replaceAllRequested(const SearchOptions& options, const QString& replacement);
    void goToRequested(const QString& target, bool backward);

private:
    void pageChanged(int page);

    QTabWidget* tabs_;
    CFindReplacePage1* find_;
    CFindReplacePage2* replace_;
    CFindReplacePage3* goTo_;
    int lastPage_ = FindPage;
};

}  // namespace tessel
