#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform warns about every window it cannot raise.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietMessages);
    // Test discovery runs this binary too, outside CTest's environment.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Settings written by tests go to a test folder, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QApplication::setApplicationName(QStringLiteral("Tessel"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
