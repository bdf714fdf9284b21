#pragma once

// The report launcher screens: the user picks a person (or a group of
// people) and starts one report for the choice. One class serves every
// launcher; each is set up by its window name, caption, permission, whether
// the group entries are listed, and the action run for the choice.

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

namespace Ui {
class ReportLauncher;
}

namespace pw {
enum class Choice;
}

namespace pw::reports {

// The two group entries listed above the people. The run recognises them by
// these texts; the list shows them translated.
inline const QString kAllHeadsOfHousehold = QStringLiteral("***All Head of Household***");
inline const QString kAllMembersAndChildren = QStringLiteral("***All Members & Child of Members***");

class ReportLauncher;

// The entry chosen when "Ok" was pressed: its text, and the person's
// identifier (0 for a group entry).
struct LauncherChoice {
    QString text;
    qint64 id = 0;
};

struct LauncherSetup {
    QString windowName; // the window's object name
    QString caption;
    QString permission; // asked again when "Ok" starts the report
    bool groupEntries = false; // the two group entries above the people
    // Runs the report for the choice, with the busy pointer; the screen
    // closes afterwards.
    std::function<void(ReportLauncher& screen, const LauncherChoice& choice)> run;
};

// frmProspectVisitationSheetReport: any person's visitation sheet, previewed.
LauncherSetup visitationSheetLauncher();
// frmMemberInformationUpdateReport: one update sheet per chosen person, each
// a print job of its own (see printSheets), never previewed.
LauncherSetup memberInfoUpdateLauncher();

// The people the update report prints for the chosen entry, in printing
// order: a group by last, first and middle name, or the one chosen person.
QList<qint64> updateReportMembers(const QString& choiceText, qint64 chosenId);

class ReportLauncher : public QWidget {
    Q_OBJECT
public:
    explicit ReportLauncher(LauncherSetup setup, QWidget* parent = nullptr);
    ~ReportLauncher() override;

private:
    Ui::ReportLauncher* ui;

    void btnOK_clicked();
    void fillPeople(Choice choice);
    void btnCancel_clicked();
    // The checks "Ok" makes before anything runs: the permission (refusal
    // under "Invalid Permission"), then a choice ("Invalid Selection").
    bool mayRun() const;

    LauncherSetup m_setup;
};

} // namespace pw::reports
