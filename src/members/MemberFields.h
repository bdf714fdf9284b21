#pragma once

// The person's own fields on the member screen's six tabs: what each box,
// list, tick and date shows of a Member row and what it gives back, the
// rules between them (the church fields follow the church status, the
// e-mail newsletter needs an address, a next step needs phase and action),
// the required fields and the screen's pick lists.

#include "members/MemberPanel.h"
#include "outreach/ValueLists.h"

#include <QDate>
#include <QObject>

class QWidget;

namespace Ui {
class frmMemberEntry;
}

namespace pw::members {

class MemberFields : public QObject, public MemberPanel {
    Q_OBJECT
public:
    // ui: the member screen's form, set up already; screen: its window.
    MemberFields(QWidget* screen, Ui::frmMemberEntry* ui);

    // Refills every list of the record; each keeps its choice when it still can.
    void reloadLists() override;
    // Every field empty or unticked, the dates today, nothing chosen.
    void clear() override;
    // The order matters: choosing a list entry or ticking a box runs the field rules.
    void showRecord(const MemberRecord& record) override;
    MemberRecord record() const;

    // A new person of a household: the head's last name, address and home phone.
    void showHousehold(const MemberRecord& head);
    // A new person's State starts as the church's own.
    void defaultState();

    // The first required field left empty, in the order of the tabs.
    QWidget* firstEmptyRequiredField() const;
    // False, after saying which half is missing, when the user changed the
    // next step and chose only one of phase and action.
    bool nextStepComplete();
    // True when the user changed the next step since it was shown.
    bool nextStepChanged() const { return !(nextStepOnScreen() == m_shownStep); }
    // "Last, First" as questions and the status line name the person on screen.
    QString recordName() const;

    // The record's pick lists, which also show stored values they lack.
    outreach::ValueLists& values() { return m_values; }

private:
    // The outreach next step (phase, next contact date, action) as the screen shows it.
    struct NextStep {
        QString phase;
        QDate date;
        QString action;
        bool operator==(const NextStep& o) const { return phase == o.phase && date == o.date && action == o.action; }
    };
    NextStep nextStepOnScreen() const;

    void cmbChurchStatus_changed();
    void chkNewEmail_toggled(bool checked);
    void EnableChurchFields();
    void DisableChurchFields();
    void setChurchFieldsEnabled(bool enabled);

    Ui::frmMemberEntry* ui;
    outreach::ValueLists m_values;
    NextStep m_shownStep; // the next step as shown when the record was loaded, saved or cleared
};

} // namespace pw::members
