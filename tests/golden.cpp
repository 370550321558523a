#include "tests/golden.h"

#include "tests/testsupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace tessel {

bool updatingGolden()
{
    return !qEnvironmentVariableIsEmpty("TESSEL_UPDATE_GOLDEN");
}

QString goldenPath(const QString& name)
{
    return QStringLiteral(TESSEL_GOLDEN_DIR "/") + name;
}

void expectGolden(const QString& name, const QString& actual)
{
    const QString path = goldenPath(name);
    if (updatingGolden()) {
        QDir().mkpath(QFileInfo(path).path());
        writeFileBytes(path, actual.toUtf8());
        return;
    }
    if (!QFileInfo::exists(path)) {
        ADD_FAILURE() << path.toStdString() << " is missing; cmake --build build --target update-golden writes it";
        return;
    }
    const QString expected = QString::fromUtf8(fileBytes(path));
    if (actual == expected)
        return;
    const QStringList want = expected.split(QLatin1Char('\n'));
    const QStringList got = actual.split(QLatin1Char('\n'));
    qsizetype line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line])
        ++line;
    ADD_FAILURE() << name.toStdString() << " differs from line " << line + 1 << ":\n  expected: "
                  << want.value(line, QStringLiteral("(end of file)")).toStdString()
                  << "\n  actual:   " << got.value(line, QStringLiteral("(end of output)")).toStdString()
                  << "\nIf the change is meant, cmake --build build --target update-golden rewrites the file.";
}

QStringList goldenFilesIn(const QString& folder)
{
    return QDir(goldenPath(folder)).entryList(QDir::Files, QDir::Name);
}

}  // namespace tessel
