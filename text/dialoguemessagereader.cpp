#include "text/dialoguemessagereader.h"

#include "rom/romimage.h"
#include "text/dialoguetext.h"

QByteArray readDialogueMessage(const RomImage& rom, SnesAddress start, SnesAddress limit)
{
    using namespace dialoguetext;
    const QByteArray& data = rom.data();
    qint64 end = data.size();
    if (limit > start)
        end = qMin(end, rom::fileOffset(limit));

    QByteArray message;
    bool valueExpected = false;
    bool inList = false;
    for (qint64 at = rom::fileOffset(start); at < end; ++at) {
        const quint8 code = quint8(data[at]);
        message.append(char(code));
        if (valueExpected) {
            valueExpected = false;
        } else if (inList) {
            inList = code != kCloseList;
        } else if (code == kEnd) {
            return message;
        } else if (code == kCodeT) {
            valueExpected = true;
        } else if (code == kOpenWT || code == kOpenWS) {
            inList = true;
        }
    }
    message.append(char(kEnd));
    return message;
}
