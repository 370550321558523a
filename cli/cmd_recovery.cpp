#include "cli/clicommand.h"
#include "cli/clicommon.h"
#include "document/recoverystore.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>

namespace tessel {

namespace cli {

namespace {

QString isoTime(const QDateTime& time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

int list(const RecoveryStore& store, bool json)
{
    const std::vector<RecoveryCopy> copies = store.list();
    if (json) {
        QJsonArray entries;
        for (const RecoveryCopy& copy : copies)
            entries.append(QJsonObject{{QStringLiteral("id"), copy.id},
                                       {QStringLiteral("rom"), copy.romPath},
                                       {QStringLiteral("copied"), isoTime(copy.copied)},
                                       {QStringLiteral("romModified"), isoTime(copy.romModified)}});
        std::fputs(QJsonDocument(QJsonObject{{QStringLiteral("copies"), entries}}).toJson().constData(), stdout);
        return kExitOk;
    }
    if (copies.empty())
        printLine(QCoreApplication::translate("cli", "No recovery copies in %1")
                      .arg(QDir::toNativeSeparators(store.folder())));
    for (const RecoveryCopy& copy : copies)
        printLine(QStringLiteral("%1  %2  %3").arg(copy.id, isoTime(copy.copied), QDir::toNativeSeparators(copy.romPath)));
    return kExitOk;
}

int exportCopy(const RecoveryStore& store, const QString& id, const QString& out)
{
    RecoveryCopy copy;
    QByteArray image;
    QString reason;
    // An id is the hash the list shows, never a path.
    static const QRegularExpression idPattern(QStringLiteral("^[0-9a-f]{16}$"));
    if (!idPattern.match(id).hasMatch() || !QFileInfo::exists(store.sidePath(id))) {
        printError(QCoreApplication::translate("cli", "There is no recovery copy %1 (tessel-cli recovery list names them).")
                       .arg(id));
        return kExitFailed;
    }
    if (!store.read(id, &copy, &image, &reason)) {
        printError(QCoreApplication::translate("cli", "The recovery copy %1 cannot be used: %2. It is kept in %3.")
                       .arg(id, reason, QDir::toNativeSeparators(store.folder())));
        return kExitFailed;
    }
    return writeWholeFile(out, image) ? kExitOk : kExitFailed;
}

int run(const Invocation& call)
{
    const QString action = call.args[0];
    const RecoveryStore store;
    if (action == QLatin1String("list")) {
        if (call.args.size() > 1)
            return call.usageError(QCoreApplication::translate("cli", "list takes no ID or OUT"));
        return list(store, call.isSet("json"));
    }
    // Every other action names a copy and a file.
    if (call.args.size() < 3)
        return call.usageError(QCoreApplication::translate("cli", "missing %1")
                                   .arg(call.args.size() == 1 ? QStringLiteral("ID OUT") : QStringLiteral("OUT")));
    if (action != QLatin1String("export"))
        return call.usageError(QCoreApplication::translate("cli", "unknown action '%1'").arg(action));
    return exportCopy(store, call.args[1], call.args[2]);
}

const Registration registration(Command{
    .name = "recovery",
    .summary = QT_TRANSLATE_NOOP("cli", "list the recovery copies of unsaved edits, or export one"),
    .arguments = {{"ACTION", QT_TRANSLATE_NOOP("cli", "list, or export")},
                  {"ID", QT_TRANSLATE_NOOP("cli", "export: the copy, as the list names it")},
                  {"OUT", QT_TRANSLATE_NOOP("cli", "export: the ROM file to write, a file of its own")}},
    .requiredArguments = 1,
    .options = {{"json", nullptr, QT_TRANSLATE_NOOP("cli", "list: print {\"copies\": [...]} as JSON")}},
    .run = run,
});

}  // namespace

}  // namespace cli

}  // namespace tessel
