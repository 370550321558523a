#include "platform/gui/filechooser.h"
#include "records/views/cmonstereditsheet.h"
#include "records/views/cmonstereditview.h"
#include "records/views/cmonsterformationview.h"
#include "records/views/cmonsterstatspage.h"
#include "tests/gui/guitestsupport.h"
#include "tests/gui/viewonsample.h"
#include "text/editors/cffonteditview.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tessel;

// Export dialogs add the extension before they look for an existing file,
// so the question about replacing it is asked about the file written.
namespace {

QString existingFile(const QTemporaryDir& dir, const QString& name)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kept");
    return file.fileName();
}

// Types `name` into the next save dialog, answers the question about
// replacing a file (recorded in `questions`) with `replace`, and accepts.
void typeIntoNextSaveDialog(const QString& name, QStringList* questions, bool replace)
{
    onNextDialog([=](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(files, nullptr);
        auto* field = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(field, nullptr);
        field->setText(name);
        onNextDialog([=](QDialog& question) {
            auto& box = static_cast<QMessageBox&>(question);
            questions->append(box.text());
            box.button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        static_cast<QDialog*>(files)->accept();  // as the Save button does
    });
}

}  // namespace

TEST(FileChooser, TheDefaultExtensionIsAddedBeforeTheDialogAsksAboutReplacing)
{
    QTemporaryDir dir;
    existingFile(dir, QStringLiteral("sheet.png"));
    platform::FileChooser chooser;
    QStringList questions;
    typeIntoNextSaveDialog(QStringLiteral("sheet"), &questions, true);
    const QString chosen = chooser.saveFileName(nullptr, QStringLiteral("Export"), dir.filePath(QStringLiteral("x.png")),
                                                QStringLiteral("PNG pictures (*.png)"), nullptr, QStringLiteral("png"));
    EXPECT_EQ(questions, QStringList{QStringLiteral("sheet.png already exists.\nDo you want to replace it?")});
    EXPECT_EQ(chosen, dir.filePath(QStringLiteral("sheet.png")));

    // Saying No leaves the file alone.
    existingFile(dir, QStringLiteral("tiles.bmp"));
    questions.clear();
    typeIntoNextSaveDialog(QStringLiteral("tiles"), &questions, false);
    const QString cancelled = chooser.saveFileName(nullptr, QStringLiteral("Export"), dir.filePath(QStringLiteral("x.bmp")),
                                                   QStringLiteral("Bitmap Files (*.bmp);;PNG Images (*.png)"), nullptr,
                                                   QStringLiteral("bmp"));
    EXPECT_EQ(questions, QStringList{QStringLiteral("tiles.bmp already exists.\nDo you want to replace it?")});
    EXPECT_EQ(cancelled, QString());
}

TEST(ExportDialogs, FontSheetsAndPicturesAskWithTheirExtension)
{
    QTemporaryDir dir;
    ScriptedFileChooser files;

    ViewOnSample<CFFontEditView> font;
    font.view->setFileChooser(&files);
    files.answers = {dir.filePath(QStringLiteral("menu"))};
    QMenu* menu = font.view->menus().value(0);
    ASSERT_NE(menu, nullptr);
    menu->actions().value(0)->trigger();  // "Export Font Sheet..."
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("menu.png"))));

    ViewOnSample<CMonsterEditView> monster;
    monster.view->setFileChooser(&files);
    files.answers = {dir.filePath(QStringLiteral("monster"))};
    monster.view->sheet()->statsPage()->exportButton()->click();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("monster.png"))));

    ViewOnSample<CMonsterFormationView> formation;
    formation.view->setFileChooser(&files);
    files.answers = {dir.filePath(QStringLiteral("formation"))};
    formation.view->findChild<QPushButton*>(QStringLiteral("exportPicture"))->click();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("formation.png"))));

    EXPECT_EQ(files.captions, (QStringList{QStringLiteral("Export Font Sheet"), QStringLiteral("Export Picture"),
                                           QStringLiteral("Export Picture")}));
    EXPECT_EQ(files.suffixes, (QStringList{QStringLiteral("png"), QStringLiteral("png"), QStringLiteral("png")}));
}
