#include "uikit/hyperlinkerrors.h"

#include <QCoreApplication>

namespace tessel {

namespace uikit {

QString hyperlinkErrorReason(int error)
{
    switch (error) {
        case 0:
            return QCoreApplication::translate("HyperlinkErrors",
                                               "The operating system is out\nof memory or resources.");
        case 2: return QCoreApplication::translate("HyperlinkErrors", "The specified file was not found.");
        case 3: return QCoreApplication::translate("HyperlinkErrors", "The specified path was not found.");
        case 5:
            return QCoreApplication::translate("HyperlinkErrors",
                                               "The operating system denied\naccess to the specified file.");
        case 8:
            return QCoreApplication::translate("HyperlinkErrors",
                                               "There was not enough memory to complete the operation.");
        case 11:
            return QCoreApplication::translate("HyperlinkErrors",
                                               "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
        case 26: return QCoreApplication::translate("HyperlinkErrors", "A sharing violation occurred. ");
        case 27:
            return QCoreApplication::translate("HyperlinkErrors",
                                               "The filename association is\nincomplete or invalid.");
        case 28:
            return QCoreApplication::translate(
                "HyperlinkErrors", "The DDE transaction could not\nbe completed because the request timed out.");
        case 29: return QCoreApplication::translate("HyperlinkErrors", "The DDE transaction failed.");
        case 30:
            return QCoreApplication::translate(
                "HyperlinkErrors",
                "The DDE transaction could not\nbe completed because other DDE transactions\n"
                "were being processed.");
        case 31:
            return QCoreApplication::translate(
                "HyperlinkErrors", "There is no application associated\nwith the given filename extension.");
        case 32:
            return QCoreApplication::translate("HyperlinkErrors", "The specified dynamic-link library was not found.");
        default: return QCoreApplication::translate("HyperlinkErrors", "Unknown Error (%1) occurred.").arg(error);
    }
}

}  // namespace uikit

}  // namespace tessel
