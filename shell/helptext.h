#pragma once

#include <QString>

namespace tessel {

// The user's part of the README, which Help > Contents shows: every span
// between a line "<!-- help -->" and the next line "<!-- /help -->", in
// order (the building and the developers' sections are left out).
QString helpMarkdown(const QString& readme);

// The README built into the program, or an empty string.
QString builtInReadme();

}  // namespace tessel
