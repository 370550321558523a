#include "text/editors/cfindreplacepage1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel {

namespace {

// The "Search:" list, in the order of SearchOptions::Direction.
const char* const kDirections[] = {QT_TRANSLATE_NOOP("CFindReplacePage1", "Down"),
                                   QT_TRANSLATE_NOOP("CFindReplacePage1", "Up"),
                                   QT_TRANSLATE_NOOP("CFindReplacePage1", "All")};
constexpr int kMostRemembered = 16;

QString idName(const char* kind, int id)
{
    return QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(id);
}

}  // namespace

CFindReplacePage1::CFindReplacePage1(QWidget* parent) : QWidget(parent)
{
    findWhat_ = new QComboBox(this);
    findWhat_->setObjectName(idName("combo", kFindWhatId));
    findWhat_->setEditable(true);
    findWhat_->setInsertPolicy(QComboBox::NoInsert);
    findWhat_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(findWhat_);

    search_ = new QComboBox(this);
    search_->setObjectName(idName("combo", kSearchId));
    for (const char* direction : kDirections)
        search_->addItem(tr(direction));
    search_->setCurrentIndex(int(SearchOptions::Direction::All));
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(search_);
    matchCase_ = new QCheckBox(tr("Match &case"), this);
    matchCase_->setObjectName(idName("check", kMatchCaseId));
    wholeWords_ = new QCheckBox(tr("Find wh&ole words only"), this);
    wholeWords_->setObjectName(idName("check", kWholeWordsId));

    auto* options = new QGroupBox(tr("Search Options"), this);
    auto* optionsLayout = new QGridLayout(options);
    optionsLayout->addWidget(searchLabel, 0, 0);
    optionsLayout->addWidget(search_, 0, 1, Qt::AlignLeft);
    optionsLayout->addWidget(matchCase_, 1, 0, 1, 2);
    optionsLayout->addWidget(wholeWords_, 2, 0, 1, 2);
    optionsLayout->setColumnStretch(2, 1);

    findNext_ = new QPushButton(tr("&Find Next"), this);
    findNext_->setObjectName(idName("button", kFindNextId));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));

    fields_ = new QGridLayout;
    fields_->addWidget(findLabel, 0, 0);
    fields_->addWidget(findWhat_, 0, 1);
    buttons_ = new QVBoxLayout;
    buttons_->addWidget(findNext_);
    buttons_->addWidget(cancel_);
    buttons_->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(fields_);
    left->addWidget(options);
    left->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons_);

    setTabChain({findWhat_, search_, matchCase_, wholeWords_, findNext_, cancel_});

    connect(findNext_, &QPushButton::clicked, this, &CFindReplacePage1::findNextClicked);
    connect(cancel_, &QPushButton::clicked, this, &CFindReplacePage1::cancelClicked);
}

SearchOptions CFindReplacePage1::options() const
{
    SearchOptions options;
    options.pattern = findWhat_->currentText();
    options.matchCase = matchCase_->isChecked();
    options.wholeWords = wholeWords_->isChecked();
    options.direction = SearchOptions::Direction(search_->currentIndex());
    return options;
}

void CFindReplacePage1::remember(QComboBox* box)
{
    const QString text = box->currentText();
    if (text.isEmpty())
        return;
    const int existing = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (existing == 0)
        return;
    if (existing > 0)
        box->removeItem(existing);
    box->insertItem(0, text);
    while (box->count() > kMostRemembered)
        box->removeItem(box->count() - 1);
    box->setCurrentIndex(0);
}

void CFindReplacePage1::setTabChain(const QList<QWidget*>& widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        setTabOrder(widgets[i - 1], widgets[i]);
}

void CFindReplacePage1::rememberPattern()
{
    remember(findWhat_);
}

void CFindReplacePage1::copyFrom(const CFindReplacePage1& other)
{
    findWhat_->setCurrentText(other.findWhat_->currentText());
    search_->setCurrentIndex(other.search_->currentIndex());
    matchCase_->setChecked(other.matchCase_->isChecked());
    wholeWords_->setChecked(other.wholeWords_->isChecked());
}

}  // namespace tessel
