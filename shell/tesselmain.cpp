#include "shell/tesselmain.h"

#include "platform/settingsstore.h"
#include "shell/cff3app.h"

#include <QApplication>

namespace tessel {

int runTessel(int argc, char** argv, const std::function<void(CFF3App&)>& afterStart)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(platform::kOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(platform::kApplication));
    CFF3App tessel;
    if (!tessel.initInstance(app.arguments().mid(1))) {
        tessel.exitInstance();
        return 1;
    }
    if (afterStart)
        afterStart(tessel);
    const int code = app.exec();
    tessel.exitInstance();
    return code;
}

}  // namespace tessel
