#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace pw::directory {

// The member screen's part of the church directory: how the person is listed
// (stored at once when changed) and, for a head of household, the family
// picture printed with the household's entry. Changes need "Member
// Entry/Edit"; without it the panel only shows.
class DirectoryPanel : public QWidget {
    Q_OBJECT
public:
    explicit DirectoryPanel(QWidget* parent = nullptr);

    // Shows the person's listing and, for a head, the family picture; 0
    // clears the panel and leaves it disabled.
    void showPerson(qint64 id, bool headOfHousehold = false);

private:
    void cmbDirectory_changed(int index);
    void btnLoadFamilyPic_clicked();
    void btnRemoveFamilyPic_clicked();
    void showFamilyPicture();

    QComboBox* cmbDirectory;
    QLabel* imgFamilyPic;
    QPushButton* btnLoadFamilyPic;
    QPushButton* btnRemoveFamilyPic;
    qint64 m_person = 0;
    bool m_head = false;
};

} // namespace pw::directory
