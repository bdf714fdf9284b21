#pragma once

#include "directory/Directory.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace pw::directory {

// The printed church directory: who is in it (the people of the ticked
// church statuses, or the people a navigator found), whether birthdays are
// shown, the paper and how many households share a page. Preview shows the
// booklet in the Report Viewer, Print prints it and "PDF..." writes it to a
// file.
class frmChurchDirectory : public QWidget {
    Q_OBJECT
public:
    explicit frmChurchDirectory(QWidget* parent = nullptr);

    // Offers these people (a navigator's result) as the directory's people,
    // and chooses them.
    void showPeople(const QList<qint64>& ids);

    // What the controls choose, as the booklet is built from it.
    Choice choice() const;

private:
    // False after a message when nobody is chosen.
    bool someoneChosen();
    reports::ReportPtr booklet() const;
    void btnPreview_clicked();
    void btnPrint_clicked();
    void btnPdf_clicked();

    QRadioButton* optStatuses;
    QListWidget* lstStatuses;
    QRadioButton* optFound;
    QCheckBox* chkBirthdays;
    QComboBox* cmbPaper;
    QComboBox* cmbPerPage;
    QPushButton* btnPreview;
    QPushButton* btnPrint;
    QPushButton* btnPdf;
    QPushButton* btnExit;
    QList<qint64> m_found;
};

} // namespace pw::directory
