#pragma once

#include <QWidget>

namespace Ui {
class frmProspectVisitationSheetReport;
}

namespace pw {

// Picks any person and shows their prospect visitation sheet in the preview.
class frmProspectVisitationSheetReport : public QWidget {
    Q_OBJECT
public:
    explicit frmProspectVisitationSheetReport(QWidget* parent = nullptr);
    ~frmProspectVisitationSheetReport() override;

private:
    Ui::frmProspectVisitationSheetReport* ui;

    void btnOK_clicked();
    void btnCancel_clicked();
};

} // namespace pw
