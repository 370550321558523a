#include "cli/commandline.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>

using namespace tessel;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The same data folders as the editor's (its recovery copies).
    QCoreApplication::setOrganizationName(QString::fromLatin1(platform::kOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(platform::kApplication));
    return cli::runCommandLine(app.arguments());
}
