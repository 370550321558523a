#pragma once

#include "text/dialoguesearch.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;
class QVBoxLayout;

namespace tessel {

// The "Find" page of the find sheet: "Find what:", "Find Next" and
// "Cancel", and the search options.
class CFindReplacePage1 : public QWidget {
    Q_OBJECT

public:
    enum ControlId { kFindNextId = 1028, kFindWhatId = 1029, kSearchId = 1030, kMatchCaseId = 1031, kWholeWordsId = 1032 };

    explicit CFindReplacePage1(QWidget* parent = nullptr);

    QComboBox* findWhat() const { return findWhat_; }
    QComboBox* searchDirection() const { return search_; }
    QCheckBox* matchCase() const { return matchCase_; }
    QCheckBox* wholeWords() const { return wholeWords_; }
    QPushButton* findNextButton() const { return findNext_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The pattern and options as set on the page; using them puts the
    // pattern at the top of the drop-down's list.
    SearchOptions options() const;
    void rememberPattern();
    // Takes over the pattern and options of another page.
    void copyFrom(const CFindReplacePage1& other);

signals:
    void findNextClicked();
    void cancelClicked();

protected:
    QGridLayout* fields() const { return fields_; }
    QVBoxLayout* buttons() const { return buttons_; }
    static void remember(QComboBox* box);
    // Tab visits the widgets in this order: the fields first, then the
    // options, then the buttons.
    static void setTabChain(const QList<QWidget*>& widgets);

private:
    QComboBox* findWhat_;
    QComboBox* search_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWords_;
    QPushButton* findNext_;
    QPushButton* cancel_;
    QGridLayout* fields_;
    QVBoxLayout* buttons_;
};

}  // namespace tessel
