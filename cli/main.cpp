#include "cli/commandline.h"

#include <QCoreApplication>

using namespace tessel;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return cli::runCommandLine(app.arguments());
}
