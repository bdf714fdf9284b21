#include "app/frmAbout.h"

#include "app/Workspace.h"
#include "ui_frmAbout.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Messages.h"

#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QStandardPaths>

namespace pw {

// A simple drawn mark: a white cross on a blue disc.
QPixmap frmAbout::logo()
{
    QPixmap pix(64, 64);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x2b, 0x55, 0x8c));
    p.setPen(Qt::NoPen);
    p.drawEllipse(2, 2, 60, 60);
    p.setBrush(Qt::white);
    p.drawRect(28, 12, 8, 40);
    p.drawRect(18, 22, 28, 8);
    return pix;
}

bool frmAbout::startInstalledSystemInfo()
{
    static const char* const tools[]
        = { "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager" };
    for (const char* tool : tools) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return true;
    }
    return false;
}

frmAbout::frmAbout(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmAbout)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Screen"));
    ui->lblVersion->setText(tr("Version 1.0"));
    ui->lblTitle->setText(QStringLiteral("Pewlark"));
    ui->Image1->setPixmap(logo());
    setDefaultButton(this, ui->cmdOK);
    setCancelButton(this, ui->cmdOK);
    connect(ui->cmdOK, &QPushButton::clicked, this, [this] { cmdOK_clicked(); });
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_clicked(); });
    setFocusProxy(ui->cmdOK);
}

frmAbout::~frmAbout() { delete ui; }

void frmAbout::cmdOK_clicked() { closeScreen(this); }

void frmAbout::cmdSysInfo_clicked()
{
    bool started = false;
    try {
        const SystemInfoLauncher& launcher = ctx().systemInfo;
        started = launcher ? launcher() : startInstalledSystemInfo();
    } catch (...) {
        started = false;
    }
    if (!started)
        messages().show(tr("System Information Is Unavailable At This Time"), QStringLiteral("Pewlark"));
}

} // namespace pw
