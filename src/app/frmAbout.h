#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace Ui {
class frmAbout;
}

namespace pw {

class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // Starts the machine's system-information tool; false when none could be
    // started. Replaceable so tests need not start programs.
    static std::function<bool()>& systemInfoLauncher();
    // Looks for an installed system-information tool and starts it.
    static bool startInstalledSystemInfo();
    // The program's mark, also used as the window icon.
    static QPixmap logo();

    Ui::frmAbout* ui;

private:
    void cmdOK_clicked();
    void cmdSysInfo_clicked();
};

} // namespace pw
