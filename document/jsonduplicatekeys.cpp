#include "document/jsonduplicatekeys.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <set>
#include <vector>

namespace tessel {

namespace {

struct Frame {
    bool object = false;
    bool expectingKey = false;
    std::set<QString> keys;
};

// The key a string token spells; the escapes are left to the JSON reader.
QString keyText(const QByteArray& token)
{
    if (!token.contains('\\'))
        return QString::fromUtf8(token.mid(1, token.size() - 2));
    return QJsonDocument::fromJson("[" + token + "]").array().at(0).toString();
}

}  // namespace

std::optional<DuplicateKey> findDuplicateKey(const QByteArray& json)
{
    std::vector<Frame> frames;
    int line = 1;
    for (qsizetype at = 0; at < json.size(); ++at) {
        const char c = json[at];
        switch (c) {
        case '\n': ++line; break;
        case '{': frames.push_back({true, true, {}}); break;
        case '[': frames.push_back({false, false, {}}); break;
        case '}':
        case ']':
            if (!frames.empty())
                frames.pop_back();
            break;
        case ',':
            if (!frames.empty() && frames.back().object)
                frames.back().expectingKey = true;
            break;
        case '"': {
            const qsizetype start = at;
            for (++at; at < json.size() && json[at] != '"'; ++at)
                if (json[at] == '\\')
                    ++at;
            if (frames.empty() || !frames.back().expectingKey)
                break;
            Frame& frame = frames.back();
            frame.expectingKey = false;
            const QString key = keyText(json.mid(start, at - start + 1));
            if (!frame.keys.insert(key).second)
                return DuplicateKey{key, line};
            break;
        }
        default: break;
        }
    }
    return std::nullopt;
}

}  // namespace tessel
