#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QPushButton;
class QRadioButton;

namespace pw::giving {

class StatementSource;

// Contribution statements for a period (last calendar year unless changed):
// for everybody who gave, or for one person (and the household that shares
// the statement). Preview shows one person's statement in the Report Viewer;
// Print prints every statement, one job each; "One PDF..." writes them all
// into one file and "PDF per Giver..." one file per giver or household into a
// folder, with the totals per fund in a CSV beside them when asked. After a
// run a message says how many were written and names the givers without an
// address, whose statements are written but cannot be mailed.
class frmContributionStatements : public QWidget {
    Q_OBJECT
public:
    explicit frmContributionStatements(QWidget* parent = nullptr);

    // Offers the statements of these people (a navigator's result) as a
    // third choice, and chooses it.
    void showPeople(const QList<qint64>& ids);

private:
    // The statements chosen, or nothing after a message.
    bool readChoice(std::unique_ptr<StatementSource>& source);
    void btnPreview_clicked();
    void btnPrint_clicked();
    void writePdfs(bool oneFile);
    void optWho_changed();

    QDateEdit* dtFrom;
    QDateEdit* dtTo;
    QRadioButton* optEverybody;
    QRadioButton* optOnePerson;
    QComboBox* cmbPerson;
    QRadioButton* optFound;
    QCheckBox* chkCsv;
    QPushButton* btnPreview;
    QPushButton* btnPrint;
    QPushButton* btnOnePdf;
    QPushButton* btnPdfPerGiver;
    QPushButton* btnExit;
    QList<qint64> m_found;
};

} // namespace pw::giving
