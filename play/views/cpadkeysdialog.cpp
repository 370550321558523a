#include "play/views/cpadkeysdialog.h"

#include "play/views/padkeyevent.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel {

namespace {
const char* const kWaiting = QT_TRANSLATE_NOOP("CPadKeysDialog", "Press a key...");
const char* const kNoKey = QT_TRANSLATE_NOOP("CPadKeysDialog", "(none)");
}

CPadKeysDialog::CPadKeysDialog(const PadKeyMap& keys, QWidget* parent) : QDialog(parent), keys_(keys)
{
    setObjectName(QStringLiteral("CPadKeysDialog"));
    setWindowTitle(tr("Keyboard"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Click a button, then press its new key."), this));
    auto* form = new QFormLayout;
    for (PadButton button : kPadButtons) {
        auto* key = new QPushButton(this);
        key->setObjectName(QStringLiteral("key%1").arg(QLatin1String(padButtonName(button))));
        key->setAutoDefault(false);
        key->setMinimumWidth(140);
        key->installEventFilter(this);
        connect(key, &QPushButton::clicked, this, [this, button] { startCapture(button); });
        buttons_[size_t(button)] = key;
        form->addRow(QStringLiteral("%1:").arg(QLatin1String(padButtonName(button))), key);
    }
    layout->addLayout(form);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    layout->addWidget(problem_);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults,
                                     this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this, [this] {
        keys_ = PadKeyMap();
        capturing_ = -1;
        problem_->clear();
        showKeys();
    });
    layout->addWidget(box);
    showKeys();
}

void CPadKeysDialog::startCapture(PadButton button)
{
    capturing_ = int(button);
    showKeys();
    buttons_[size_t(button)]->setFocus();
}

QString CPadKeysDialog::problem() const
{
    return problem_->text();
}

void CPadKeysDialog::takeKey(int key)
{
    const PadButton button = PadButton(capturing_);
    // One key for two buttons would press both at once.
    const quint16 others = keys_.buttonsFor(key) & ~padBit(button);
    for (PadButton other : kPadButtons) {
        if (others & padBit(other)) {
            problem_->setText(tr("%1 is already the key of %2. Choose another key for %3.")
                                  .arg(PadKeyMap::keyName(key), QLatin1String(padButtonName(other)),
                                       QLatin1String(padButtonName(button))));
            return;
        }
    }
    problem_->clear();
    keys_.setKey(button, key);
}

void CPadKeysDialog::showKeys()
{
    for (PadButton button : kPadButtons) {
        const QString name = PadKeyMap::keyName(keys_.key(button));
        buttons_[size_t(button)]->setText(capturing_ == int(button) ? tr(kWaiting)
                                          : name.isEmpty()          ? tr(kNoKey)
                                                                    : name);
    }
}

bool CPadKeysDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (capturing_ < 0 || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QDialog::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    event->accept();
    if (event->type() == QEvent::ShortcutOverride || keyEvent->isAutoRepeat())
        return true;
    const int key = padKeyOf(*keyEvent);
    if (key != Qt::Key_Escape && key != 0 && key != Qt::Key_unknown)
        takeKey(key);
    capturing_ = -1;
    showKeys();
    return true;
}

}  // namespace tessel
