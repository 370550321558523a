#include "play/views/cemulatorcoredialog.h"

#include "play/emulatorcore.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel {

CEmulatorCoreDialog::CEmulatorCoreDialog(const QString& corePath, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CEmulatorCoreDialog"));
    setWindowTitle(tr("Emulator Core"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The libretro SNES core that runs the ROM (empty for the default):"),
                                 this));
    auto* row = new QHBoxLayout;
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("corePath"));
    path_->setPlaceholderText(QDir::toNativeSeparators(EmulatorCore::defaultCorePath()));
    path_->setMinimumWidth(420);
    row->addWidget(path_, 1);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &CEmulatorCoreDialog::browse);
    row->addWidget(browse);
    auto* defaults = new QPushButton(tr("&Default"), this);
    defaults->setObjectName(QStringLiteral("useDefault"));
    defaults->setAutoDefault(false);
    connect(defaults, &QPushButton::clicked, this, [this] { setCorePath(QString()); });
    row->addWidget(defaults);
    layout->addLayout(row);
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("coreDescription"));
    description_->setWordWrap(true);
    description_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(description_);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    connect(path_, &QLineEdit::editingFinished, this, &CEmulatorCoreDialog::describe);
    setCorePath(corePath);
}

QString CEmulatorCoreDialog::corePath() const
{
    const QString path = QDir::fromNativeSeparators(path_->text().trimmed());
    return path == EmulatorCore::defaultCorePath() ? QString() : path;
}

void CEmulatorCoreDialog::setCorePath(const QString& path)
{
    path_->setText(QDir::toNativeSeparators(path));
    describe();
}

QString CEmulatorCoreDialog::description() const
{
    return description_->text();
}

void CEmulatorCoreDialog::browse()
{
    const QString current = corePath().isEmpty() ? EmulatorCore::defaultCorePath() : corePath();
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Emulator Core"), QFileInfo(current).path(),
        tr("libretro cores (*.so *.dll *.dylib);;All Files (*)"));
    if (!path.isEmpty())
        setCorePath(path);
}

void CEmulatorCoreDialog::describe()
{
    const QString path = corePath().isEmpty() ? EmulatorCore::defaultCorePath() : corePath();
    EmulatorCore::Info info;
    QString error;
    if (EmulatorCore::probe(path, &info, &error))
        description_->setText(QStringLiteral("%1 %2").arg(info.name, info.version));
    else
        description_->setText(error);
}

}  // namespace tessel
