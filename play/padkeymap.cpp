#include "play/padkeymap.h"

#include <QKeySequence>
#include <QStringList>

namespace tessel {

const char* padButtonName(PadButton button)
{
    switch (button) {
    case PadButton::B: return "B";
    case PadButton::Y: return "Y";
    case PadButton::Select: return "Select";
    case PadButton::Start: return "Start";
    case PadButton::Up: return "Up";
    case PadButton::Down: return "Down";
    case PadButton::Left: return "Left";
    case PadButton::Right: return "Right";
    case PadButton::A: return "A";
    case PadButton::X: return "X";
    case PadButton::L: return "L";
    case PadButton::R: return "R";
    }
    return "";
}

namespace {

const QString kEnterName = QStringLiteral("Enter");
const QString kRightShiftName = QStringLiteral("Right Shift");

// The keypad's Enter is the same key to a player.
int sameKey(int key)
{
    return key == Qt::Key_Enter ? int(Qt::Key_Return) : key;
}

}  // namespace

PadKeyMap::PadKeyMap()
{
    setKey(PadButton::Up, Qt::Key_Up);
    setKey(PadButton::Down, Qt::Key_Down);
    setKey(PadButton::Left, Qt::Key_Left);
    setKey(PadButton::Right, Qt::Key_Right);
    setKey(PadButton::A, Qt::Key_X);
    setKey(PadButton::B, Qt::Key_Z);
    setKey(PadButton::Y, Qt::Key_S);
    setKey(PadButton::X, Qt::Key_A);
    setKey(PadButton::L, Qt::Key_Q);
    setKey(PadButton::R, Qt::Key_W);
    setKey(PadButton::Start, Qt::Key_Return);
    setKey(PadButton::Select, kRightShift);
}

void PadKeyMap::setKey(PadButton button, int key)
{
    keys_[size_t(button)] = sameKey(key);
}

quint16 PadKeyMap::buttonsFor(int key) const
{
    key = sameKey(key);
    quint16 buttons = 0;
    if (key == 0)
        return buttons;
    for (PadButton button : kPadButtons)
        if (this->key(button) == key)
            buttons |= padBit(button);
    return buttons;
}

QString PadKeyMap::toString() const
{
    QStringList entries;
    for (PadButton button : kPadButtons)
        entries.append(QStringLiteral("%1=%2").arg(QLatin1String(padButtonName(button)), keyName(key(button))));
    return entries.join(QLatin1Char(';'));
}

void PadKeyMap::parse(const QString& text)
{
    for (const QString& entry : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString buttonName = entry.left(equals).trimmed();
        const QString keyText = entry.mid(equals + 1).trimmed();
        const int newKey = keyFromName(keyText);
        if (newKey == 0 && !keyText.isEmpty())
            continue;
        for (PadButton button : kPadButtons)
            if (buttonName == QLatin1String(padButtonName(button)))
                setKey(button, newKey);
    }
}

QString PadKeyMap::keyName(int key)
{
    if (key == 0)
        return QString();
    if (key == kRightShift)
        return kRightShiftName;
    if (key == Qt::Key_Return)
        return kEnterName;
    if (key == Qt::Key_Shift)
        return QStringLiteral("Shift");
    if (key == Qt::Key_Control)
        return QStringLiteral("Ctrl");
    if (key == Qt::Key_Alt)
        return QStringLiteral("Alt");
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

int PadKeyMap::keyFromName(const QString& name)
{
    if (name.isEmpty())
        return 0;
    const auto is = [&](const QString& special) { return name.compare(special, Qt::CaseInsensitive) == 0; };
    if (is(kRightShiftName))
        return kRightShift;
    if (is(kEnterName))
        return Qt::Key_Return;
    if (is(QStringLiteral("Shift")))
        return Qt::Key_Shift;
    if (is(QStringLiteral("Ctrl")))
        return Qt::Key_Control;
    if (is(QStringLiteral("Alt")))
        return Qt::Key_Alt;
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    // One key without modifiers, or nothing.
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier)
        return 0;
    const int key = sequence[0].key();
    return key == Qt::Key_unknown ? 0 : key;
}

}  // namespace tessel
