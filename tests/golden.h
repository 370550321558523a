#pragma once

#include <QString>
#include <QStringList>

namespace tessel {

// Expected program output kept as text files under tests/golden. With
// TESSEL_UPDATE_GOLDEN set in the environment the checks write what the
// programs print instead of comparing; "cmake --build build --target
// update-golden" runs them that way.
bool updatingGolden();

// The file's path inside the golden folder, e.g. "help/info.txt".
QString goldenPath(const QString& name);

// Fails the test, naming the first line that differs, unless `actual` is
// the file's text (or writes it there when updating).
void expectGolden(const QString& name, const QString& actual);

// The names of the files in a subfolder of the golden folder.
QStringList goldenFilesIn(const QString& folder);

}  // namespace tessel
