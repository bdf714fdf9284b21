#pragma once

#include "rosters/Rosters.h"
#include "widgets/EditTracker.h"

#include <QHash>
#include <QSet>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace pw::rosters {

// Who serves at one service over a month or a quarter: a grid with a row per
// day the service meets and a column per position, each cell naming the
// people serving there. The panel beside it edits the chosen place: people
// added from the position's candidates (marked when they cannot serve, serve
// elsewhere that day or served lately), taken off, confirmed. "Fill" proposes
// people for the empty places by the fill rule. Nothing is stored until
// Save, which writes the changes at once and asks when another workstation
// changed the same places meanwhile.
class frmRosters : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmRosters(QWidget* parent = nullptr);

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;
    bool save();

private:
    // A turn as on screen and as it was loaded (id 0: added on screen).
    struct Turn {
        Assignment now;
        Assignment loaded;
    };

    void fillServices();
    void periodChosen();
    void load();
    void showGrid();
    void showCell(int row, int column);
    void showPanel();
    void fillPersonList(const Position& position, const QDate& day);
    void updateButtons();
    void btnAdd_clicked();
    void btnRemove_clicked();
    void btnConfirm_clicked();
    void btnFill_clicked();
    void btnPrint_clicked();
    void btnEmail_clicked();
    void btnExport_clicked();
    // False, after saying so, while the screen holds unsaved changes: the
    // printed roster, the mails and the file show the roster as stored.
    bool storedFirst();
    bool mayEdit();
    // Names and unavailability of people not yet on screen.
    void ensureKnown(const QList<qint64>& people);
    void addTurn(qint64 positionId, const QDate& day, qint64 person);
    int turnAt(qint64 positionId, const QDate& day, qint64 person) const;
    QString turnText(const Assignment& a) const;
    bool unavailable(qint64 person, const QDate& day) const;
    const Position* positionAt(int column) const;
    QString positionName(qint64 id) const;
    QDate periodStart() const;
    QDate periodEnd() const;
    QString periodText() const;
    QVariant state() const;

    QComboBox* cmbService;
    QComboBox* cmbPeriod;
    QDateEdit* dtMonth;
    QPushButton* btnFill;
    QPushButton* btnSave;
    QPushButton* btnPrint;
    QPushButton* btnEmail;
    QPushButton* btnExport;
    QPushButton* btnExit;
    QLabel* lblInfo;
    QTableWidget* grdRoster;
    QLabel* lblPlace;
    QListWidget* lstAssigned;
    QPushButton* btnRemove;
    QPushButton* btnConfirm;
    QComboBox* cmbPerson;
    QPushButton* btnAdd;

    EditTracker* m_tracker = nullptr;
    // The roster on screen.
    QString m_service;
    QDate m_from;
    QDate m_to;
    std::vector<Position> m_positions;
    QList<QDate> m_days;
    // The turns from four weeks before the period to its end (the earlier
    // ones tell who served lately), then those added on screen.
    std::vector<Turn> m_turns;
    std::vector<Assignment> m_removed;
    QHash<qint64, QString> m_names;
    QHash<qint64, std::vector<Unavailability>> m_unavailable;
    QSet<qint64> m_known;
    bool m_mayEdit = false;
};

} // namespace pw::rosters
