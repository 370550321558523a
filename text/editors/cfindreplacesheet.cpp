#include "text/editors/cfindreplacesheet.h"

#include "text/editors/cfindreplacepage1.h"
#include "text/editors/cfindreplacepage2.h"
#include "text/editors/cfindreplacepage3.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessel {

CFindReplaceSheet::CFindReplaceSheet(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CFindReplaceSheet"));
    setWindowTitle(tr("Find/Replace"));
    setModal(false);
    tabs_ = new QTabWidget(this);
    find_ = new CFindReplacePage1(tabs_);
    replace_ = new CFindReplacePage2(tabs_);
    goTo_ = new CFindReplacePage3(tabs_);
    tabs_->addTab(find_, tr("Find"));
    tabs_->addTab(replace_, tr("Replace"));
    tabs_->addTab(goTo_, tr("Go To"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(500, 230);

    connect(find_, &CFindReplacePage1::findNextClicked, this, [this] {
        find_->rememberPattern();
        emit findNextRequested(find_->options());
    });
    connect(replace_, &CFindReplacePage1::findNextClicked, this, [this] {
        replace_->rememberPattern();
        emit findNextRequested(replace_->options());
    });
    connect(replace_, &CFindReplacePage2::replaceClicked, this, [this] {
        replace_->rememberPattern();
        replace_->rememberReplacement();
        emit replaceRequested(replace_->options(), replace_->replacement());
    });
    connect(replace_, &CFindReplacePage2::replaceAllClicked, this, [this] {
        replace_->rememberPattern();
        replace_->rememberReplacement();
        emit replaceAllRequested(replace_->options(), replace_->replacement());
    });
    connect(goTo_, &CFindReplacePage3::goToClicked, this, &CFindReplaceSheet::goToRequested);
    connect(find_, &CFindReplacePage1::cancelClicked, this, &QDialog::hide);
    connect(replace_, &CFindReplacePage1::cancelClicked, this, &QDialog::hide);
    connect(goTo_, &CFindReplacePage3::closeClicked, this, &QDialog::hide);
    connect(tabs_, &QTabWidget::currentChanged, this, &CFindReplaceSheet::pageChanged);
    pageChanged(FindPage);
}

void CFindReplaceSheet::pageChanged(int page)
{
    // The two search pages share what is searched for.
    if (page == FindPage && lastPage_ == ReplacePage)
        find_->copyFrom(*replace_);
    else if (page == ReplacePage && lastPage_ == FindPage)
        replace_->copyFrom(*find_);
    lastPage_ = page;
    // Each page has its own default button.
    find_->findNextButton()->setDefault(page == FindPage);
    replace_->findNextButton()->setDefault(page == ReplacePage);
    goTo_->nextButton()->setDefault(page == GoToPage);
}

void CFindReplaceSheet::showPage(Page page)
{
    tabs_->setCurrentIndex(page);
    show();
    raise();
    activateWindow();
    if (page == GoToPage) {
        goTo_->number()->setFocus();
        goTo_->number()->selectAll();
    } else {
        CFindReplacePage1* search = page == FindPage ? find_ : replace_;
        search->findWhat()->setFocus();
        search->findWhat()->lineEdit()->selectAll();
    }
}

}  // namespace tessel
