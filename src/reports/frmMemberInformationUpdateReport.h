#pragma once

#include <QWidget>
#include <memory>

class QProgressDialog;

namespace Ui {
class frmMemberInformationUpdateReport;
}

namespace pw {

// Picks one person, or every head of household, or every member and child of
// a member, and prints one member information update sheet for each.
class frmMemberInformationUpdateReport : public QWidget {
    Q_OBJECT
public:
    explicit frmMemberInformationUpdateReport(QWidget* parent = nullptr);
    ~frmMemberInformationUpdateReport() override;

private:
    Ui::frmMemberInformationUpdateReport* ui;

    void btnOK_clicked();
    void btnCancel_clicked();
    // Prints the sheets one job per person, with a progress dialog that can
    // stop the run when there are several.
    void printSheets(const QList<qint64>& ids);
    // With no printer installed: one question, then every sheet in one PDF.
    void saveSheetsAsPdf(const QList<qint64>& ids);
    std::unique_ptr<QProgressDialog> progressFor(const QString& text, int total);
};

} // namespace pw
