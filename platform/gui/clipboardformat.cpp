#include "platform/gui/clipboardformat.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

namespace tessel {

namespace platform {

namespace {
constexpr quint32 kFirstFormatId = 0xC000;

QStringList& registeredNames()
{
    static QStringList names;
    return names;
}
}  // namespace

quint32 registerClipboardFormat(const QString& name)
{
    QStringList& names = registeredNames();
    qsizetype index = names.indexOf(name);
    if (index < 0) {
        names.append(name);
        index = names.size() - 1;
    }
    return kFirstFormatId + quint32(index);
}

QString clipboardFormatName(quint32 id)
{
    const QStringList& names = registeredNames();
    if (id < kFirstFormatId || id - kFirstFormatId >= quint32(names.size()))
        return {};
    return names[qsizetype(id - kFirstFormatId)];
}

bool clipboardHasBlock(quint32 format)
{
    const QString name = clipboardFormatName(format);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return !name.isEmpty() && data && data->hasFormat(name);
}

void putClipboardBlock(quint32 format, const QByteArray& bytes)
{
    const QString name = clipboardFormatName(format);
    if (name.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setData(name, bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}

QByteArray clipboardBlock(quint32 format)
{
    if (!clipboardHasBlock(format))
        return {};
    return QGuiApplication::clipboard()->mimeData()->data(clipboardFormatName(format));
}

}  // namespace platform

}  // namespace tessel
