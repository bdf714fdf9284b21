#pragma once

#include "app/Welcome.h"

#include <QDialog>

namespace Ui {
class frmWelcome;
}

namespace pw {

// The first window of a copy that has no configuration (or whose church file
// has gone): create a church, open one, reach the office server, move in from
// the older program, or try the demo church. Each choice checks what it was
// given, writes the configuration file and closes the window accepted; a
// refusal is shown and nothing is written.
class frmWelcome : public QDialog {
    Q_OBJECT
public:
    // configFile: where the configuration is written.
    frmWelcome(const QString& configFile, welcome::Jobs jobs, QWidget* parent = nullptr);
    ~frmWelcome() override;

    // The configuration written, once a choice succeeded.
    const ConfigValues& written() const { return m_written; }

private:
    Ui::frmWelcome* ui;
    QString m_configFile;
    welcome::Jobs m_jobs;
    ConfigValues m_written;

    void keep(const ConfigValues& values);
    void showPage(QWidget* page, QWidget* focus);
    void txtFile_textChanged();

    void btnCreate_clicked();
    void btnOpen_clicked();
    void btnServer_clicked();
    void btnMoveIn_clicked();
    void btnDemo_clicked();
    void btnBrowse_clicked();
    void btnCreateChurch_clicked();
    void btnConnect_clicked();
};

} // namespace pw
