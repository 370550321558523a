#include "shell/cff3app.h"

#include <QApplication>

using namespace tessel;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QApplication::setApplicationName(QStringLiteral("Tessel"));
    CFF3App tessel;
    if (!tessel.initInstance(app.arguments().mid(1))) {
        tessel.exitInstance();
        return 1;
    }
    const int code = app.exec();
    tessel.exitInstance();
    return code;
}
