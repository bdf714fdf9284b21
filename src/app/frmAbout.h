#pragma once

#include <QPixmap>
#include <QWidget>

namespace Ui {
class frmAbout;
}

namespace pw {

class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // Looks for an installed system-information tool and starts it; false
    // when none could be started. Used unless the context has its own.
    static bool startInstalledSystemInfo();
    // The program's mark, also used as the window icon.
    static QPixmap logo();

private:
    Ui::frmAbout* ui;

    void cmdOK_clicked();
    void cmdSysInfo_clicked();
};

} // namespace pw
