#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/longestwords.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/fontspart.h"
#include "text/dialoguepages.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("cli", text);
}

int run(const Invocation& call)
{
    const QString& path = call.args[0];
    CliDocument d;
    if (!d.open(path))
        return kExitFailed;
    const DialogueList& dialogue = d.doc.part<DialoguePart>().dialogue();
    if (!dialogue.loaded) {
        printError(tr("%1: the dialogue is in no layout this program knows.").arg(path));
        return kExitFailed;
    }
    const GameFonts& fonts = d.doc.part<FontsPart>().fonts();
    const WordChoice longest = longestWords(d.doc);
    QJsonArray found;
    QStringList lines;
    int messages = 0;
    for (std::size_t i = 0; i < dialogue.messages.size(); ++i) {
        const QByteArray& bytes = dialogue.messages[i].bytes;
        const std::vector<OverflowSpot> usual = dialoguepages::FindOverflows(bytes, fonts);
        const std::vector<OverflowSpot> worst = dialoguepages::FindOverflows(bytes, fonts, &longest);
        if (usual.empty() && worst.empty())
            continue;
        ++messages;
        const QString number = QStringLiteral("%1").arg(int(i), 4, 16, QLatin1Char('0')).toUpper();
        // A page that overflows with the default names is listed once, so;
        // the others only overflow with the longest names.
        const auto list = [&](const std::vector<OverflowSpot>& spots, bool withLongest) {
            for (const OverflowSpot& spot : spots) {
                if (withLongest && std::any_of(usual.begin(), usual.end(),
                                               [&](const OverflowSpot& s) { return s.page == spot.page; }))
                    continue;
                found.append(QJsonObject{{QStringLiteral("message"), int(i)},
                                         {QStringLiteral("page"), spot.page},
                                         {QStringLiteral("line"), spot.line},
                                         {QStringLiteral("reason"), spot.tooWide ? QStringLiteral("width")
                                                                                 : QStringLiteral("lines")},
                                         {QStringLiteral("names"), withLongest ? QStringLiteral("longest")
                                                                               : QStringLiteral("default")}});
                lines.append(tr("message %1, page %2, line %3: %4 with the %5 names")
                                 .arg(number)
                                 .arg(spot.page)
                                 .arg(spot.line)
                                 .arg(spot.tooWide ? tr("a word runs past the window's edge")
                                                   : tr("more lines than the window shows"),
                                      withLongest ? tr("longest") : tr("default")));
            }
        };
        list(usual, false);
        list(worst, true);
    }
    if (call.isSet("json")) {
        const QByteArray json = QJsonDocument(QJsonObject{{QStringLiteral("overflows"), found}}).toJson();
        std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
        return kExitOk;
    }
    for (const QString& line : std::as_const(lines))
        printLine(line);
    printLine(tr("%1 of %2 messages overflow their window.").arg(messages).arg(dialogue.messages.size()));
    return kExitOk;
}

const Registration registration(Command{
    .name = "text-check",
    .summary = QT_TRANSLATE_NOOP("cli", "list the messages that overflow their window"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")}},
    .options = {{"json", nullptr,
                 QT_TRANSLATE_NOOP("cli", "write the overflows as JSON: message, page, line, reason, names")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
