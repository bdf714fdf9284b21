#pragma once

#include "checkin/Checkin.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pw::checkin {

// What the member screen's "Family Info" tab shows of one person: the
// children's care notes the check-in prints and checks against, an allergy
// or medical note and the people authorised to pick the child up. "Save
// Notes" stores them at once, like the family frame's rows, for a user who
// holds "Member Entry/Edit"; without it the tab only shows.
class CarePanel : public QWidget {
    Q_OBJECT
public:
    explicit CarePanel(QWidget* parent = nullptr);

    // Shows the person's notes; 0 clears the panel and leaves it disabled.
    // Notes typed for the person shown before and not saved are not lost:
    // the user is asked whether to save them first.
    void showPerson(qint64 id);

private:
    void btnSaveCare_clicked();

    QPlainTextEdit* txtAllergy;
    QLineEdit* txtAuthorisedPickup;
    QPushButton* btnSaveCare;
    qint64 m_person = 0;
    Care m_loaded; // the notes as stored when the person was shown
};

} // namespace pw::checkin
