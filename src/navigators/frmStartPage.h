#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class frmStartPage;
}

namespace pw::navigators {

// The start page, shown in the main window after a login: the birthdays and
// wedding anniversaries of the coming week, the prospects due for a contact,
// the people the user opened lately, and who serves at the services of the
// coming week (places still empty, and in bold red a turn of someone who is
// unavailable that day). Enter or a double-click on a line opens that person
// (the first one of a serving line) on the member screen, which asks about
// its own unsaved changes first. Names are shown only to users who hold
// "Member View". The page reads everything again when a person or contact is
// saved.
class frmStartPage : public QWidget {
    Q_OBJECT
public:
    explicit frmStartPage(QWidget* parent = nullptr);
    ~frmStartPage() override;

    // Reads all the lists again.
    void refresh();
    // Reads the people opened lately again.
    void refreshRecent();

    // Room for the lists' columns and a week of a large church's occasions.
    QSize sizeHint() const override;

    // How many overdue prospects the page lists at most.
    static constexpr int kProspectsShown = 100;

private:
    Ui::frmStartPage* ui;
    bool m_mayView = false;

    void openItem(QTreeWidgetItem* item);
    void refreshServing(const QDate& today);
};

} // namespace pw::navigators
