#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "cli/scriptsource.h"
#include "events/scriptjson.h"


#include <cstdio>

namespace tessel {

namespace cli {

namespace {

bool matches(const events::ScriptListing& listing, int i, const QString& find)
{
    const std::string_view lines = listing.lines(i);
    return find.isEmpty() ||
           QString::fromUtf8(lines.data(), qsizetype(lines.size())).contains(find, Qt::CaseInsensitive);
}

int run(const Invocation& call)
{
    ScriptSource source;
    if (!source.open(call.args[0]))
        return kExitFailed;
    const events::ScriptListing& listing = source.listing;
    const QString find = call.value("find");
    if (call.isSet("json")) {
        const QByteArray json =
            events::listingJson(listing, [&](int i) { return matches(listing, i, find); });
        std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    } else if (find.isEmpty()) {
        std::fwrite(listing.text().data(), 1, listing.text().size(), stdout);
    } else {
        for (int i = 0; i < listing.size(); ++i)
            if (matches(listing, i, find))
                std::fwrite(listing.lines(i).data(), 1, listing.lines(i).size(), stdout);
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kExitOk : kExitFailed;
}

const Registration registration(Command{
    .name = "events",
    .summary = QT_TRANSLATE_NOOP("cli", "list the event scripts, as text or JSON"),
    .arguments = {{"ROM", QT_TRANSLATE_NOOP("cli", "the ROM file to read")}},
    .options = {{"json", nullptr, QT_TRANSLATE_NOOP("cli", "write one JSON entry per command, with its bytes and references")},
                {"find", "TEXT", QT_TRANSLATE_NOOP("cli", "only the commands whose lines contain TEXT (any case)")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
