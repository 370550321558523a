#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "compare/changereport.h"
#include "compare/romcomparison.h"
#include "document/cff3doc.h"

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

// As git diff --exit-code: the files differ.
constexpr int kExitDiffer = 2;

int run(const Invocation& call)
{
    platform::StderrMessageService messages;
    const std::unique_ptr<CFF3Doc> before = romcomparison::openFile(call.args[0], &messages);
    if (!before)
        return kExitFailed;
    const std::unique_ptr<CFF3Doc> after = romcomparison::openFile(call.args[1], &messages);
    if (!after)
        return kExitFailed;
    const RomChanges changes = romcomparison::compare(*before, *after);
    const QByteArray out =
        call.isSet("json") ? changereport::json(changes) : changereport::text(changes).toUtf8();
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    return call.isSet("exit-code") && !changes.empty() ? kExitDiffer : kExitOk;
}

const Registration registration(Command{
    .name = "diff",
    .summary = QT_TRANSLATE_NOOP("cli", "compare two ROMs by record, message, map and event"),
    .arguments = {{"A", QT_TRANSLATE_NOOP("cli", "the ROM file as it was")},
                  {"B", QT_TRANSLATE_NOOP("cli", "the ROM file to compare with it")}},
    .options = {{"json", nullptr, QT_TRANSLATE_NOOP("cli", "write the differences as JSON")},
                {"exit-code", nullptr, QT_TRANSLATE_NOOP("cli", "exit with 2 when the files differ (0 when they do not)")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
