#include "document/cff3doc.h"
#include "platform/messageservice.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>

namespace {

// Shows messages in message boxes.
class BoxMessages : public platform::MessageService {
public:
    void showMessage(const QString& text, const QString& caption, platform::MessageIcon) override
    {
        QMessageBox::warning(nullptr, caption, text);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BoxMessages messages;
    CFF3Doc doc;
    doc.setMessageService(&messages);
    const QStringList args = app.arguments();
    if (args.size() > 1 && !doc.open(args[1]))
        return 1;
    QMainWindow window;
    window.setWindowTitle(doc.title() + QStringLiteral(" - Tessel"));
    window.setCentralWidget(new QLabel(doc.isLoaded() ? QStringLiteral("Loaded: ") + doc.pathName()
                                                      : QStringLiteral("No file loaded")));
    window.setGeometry(10, 10, 490, 390);
    window.show();
    return app.exec();
}
