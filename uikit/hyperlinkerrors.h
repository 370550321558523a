#pragma once

#include <QString>

namespace tessel {

// Why a web address could not be opened, worded by the error number that
// the system's "open" action gives back.
namespace uikit {

inline constexpr char kHyperlinkFailurePrefix[] = QT_TRANSLATE_NOOP("CHyperlink", "Unable to open hyperlink:\n\n");

// Error number used when the desktop has no handler for the address.
inline constexpr int kNoAssociationError = 31;

QString hyperlinkErrorReason(int error);

}  // namespace uikit

}  // namespace tessel
