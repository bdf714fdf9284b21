#pragma once

#include "widgets/EditTracker.h"
#include "data/Contacts.h"
#include "outreach/ValueLists.h"

#include <QWidget>
#include <optional>

class QComboBox;

namespace Ui {
class frmProspectContactEntry;
}

namespace pw::outreach {

// Records one outreach contact with a prospect and moves the prospect on:
// the proposal of the next phase, date and action is worked out afresh
// whenever the action or the contact date changes while an action and a
// prospect are chosen (for a new contact also when the prospect changes);
// the user may change it before saving, and saving writes the contact and the
// prospect's next step in one change. A new contact while the ID box is
// empty, an edit of that contact otherwise: a stored contact shows the
// prospect's present next step, which a save leaves alone unless the user
// changed it.
class frmProspectContactEntry : public QWidget, public EditingScreen {
    Q_OBJECT
public:
    explicit frmProspectContactEntry(QWidget* parent = nullptr);
    ~frmProspectContactEntry() override;

    // Shows the stored contact with this identifier, and the prospect's
    // present next step.
    // Asks first when the screen holds unsaved changes; false when the user
    // stays. A contact that no longer exists leaves the screen empty and
    // says so.
    bool LoadContact(qint64 contactId);

    // A new contact for this prospect, as the member screen starts one: the
    // screen is emptied (asking first when it holds unsaved changes; false
    // when the user stays), then the prospect, the contact date and, when
    // given, the action are filled in and the proposal is worked out.
    bool startContact(qint64 prospectId, const QDate& date, const QString& action);

    // Refills every list, keeping each choice.
    void reloadLists();

    EditTracker* editTracker() override { return m_tracker; }
    void saveKeepingRecord() override;

private:
    enum class After { Clear, Keep };

    Ui::frmProspectContactEntry* ui;
    EditTracker* m_tracker = nullptr;
    std::optional<Contacts::Contact> m_loaded; // the contact as read, while one is edited
    ValueLists m_values; // the action, rating and next-step lists
    int m_quietProposal = 0;

    // The prospect's stored next step as the screen last read it, and what
    // the three boxes showed of it (they may not show a Null date or a
    // name no list holds as it is).
    struct StepRead {
        qint64 prospectId = 0; // 0: nothing read
        NextStep stored;
        NextStep shown;
        bool boxesShowIt = false; // false once a proposal replaced it
    };
    StepRead m_step;

    bool save(After after);
    void recomputeProposal();
    void prospectChanged();
    // Shows the prospect's stored next step in the three boxes.
    void showStoredStep(qint64 prospectId);
    // The step to save: what the boxes show, except that a box the user left
    // as it showed the stored step gives the stored value.
    NextStep stepToSave() const;
    void clearScreen();
    void showContact(const Contacts::Contact& contact);
    Contacts::Contact contactFromScreen() const;
    NextStep stepFromScreen() const;
    QWidget* firstEmptyRequired() const;
    QString recordName() const;
    void choosePerson(QComboBox* combo, qint64 id);
};

} // namespace pw::outreach
