#include "text/dialoguejson.h"

#include "text/dialoguescript.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tessel {

namespace dialoguejson {

namespace {

const QString kMessagesKey = QStringLiteral("messages");

}  // namespace

QByteArray write(const std::vector<DialogueMessage>& messages, bool plain)
{
    QJsonArray texts;
    for (const DialogueMessage& message : messages)
        texts.append(plain ? dialoguescript::plainText(message) : dialoguescript::scriptText(message));
    return QJsonDocument(QJsonObject{{kMessagesKey, texts}}).toJson();
}

bool read(const QByteArray& json, std::size_t count, std::vector<DialogueMessage>& messages, QStringList& errors)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull()) {
        errors.append(QCoreApplication::translate("DialogueJson", "not valid JSON: %1 at offset %2")
                          .arg(error.errorString())
                          .arg(error.offset));
        return false;
    }
    if (!document.isObject() || !document.object().value(kMessagesKey).isArray()) {
        errors.append(QCoreApplication::translate("DialogueJson", "no \"messages\" list"));
        return false;
    }
    const QJsonArray texts = document.object().value(kMessagesKey).toArray();
    if (std::size_t(texts.size()) != count) {
        errors.append(QCoreApplication::translate("DialogueJson", "%1 messages where there must be %2")
                          .arg(texts.size())
                          .arg(count));
        return false;
    }

    std::vector<DialogueMessage> parsed(count);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString number = QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper();
        ScriptError where;
        if (!texts[i].isString())
            errors.append(QCoreApplication::translate("DialogueJson", "message %1: not a string").arg(number));
        else if (!ParseDialogue(parsed[std::size_t(i)], texts[i].toString(), &where))
            errors.append(QCoreApplication::translate("DialogueJson", "message %1, %2").arg(number, where.text()));
    }
    if (!errors.isEmpty())
        return false;
    messages = std::move(parsed);
    return true;
}

}  // namespace dialoguejson

}  // namespace tessel
