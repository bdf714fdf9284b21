#pragma once

// The picture box of the member screen: "Load Picture" and "Remove Picture",
// the picture shown, and what the next save does with it. A picture loaded
// but not yet stored is marked by its file type in the hidden txtFileType
// box (so the screen's edit tracker sees it as a change); a stored picture
// removed is done at the next save.

#include "members/MemberPanel.h"
#include "members/MemberRecord.h"

#include <QImage>
#include <QObject>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pw::members {

class PicturePanel : public QObject, public MemberPanel {
    Q_OBJECT
public:
    struct Controls {
        QLabel* picture = nullptr; // imgPic
        QPushButton* load = nullptr; // btnLoadPic
        QPushButton* remove = nullptr; // btnRemovePic
        QLineEdit* fileType = nullptr; // txtFileType: hidden, the type of a picture loaded and not yet stored
    };
    PicturePanel(QWidget* screen, const Controls& controls);

    void clear() override;
    // Shows the person's stored picture; a missing or unreadable file leaves the box empty.
    void showRecord(const MemberRecord& record) override;

    // True when "Remove Picture" took away a stored picture not yet saved.
    bool removesStored() const { return m_removeStored; }
    // What the save does with the picture: a new one written, a stored one removed.
    void addTo(SaveOptions& options) const;
    // After a save: the picture is stored (or was reported), so a second save
    // writes it only if it is loaded again.
    void saved();

signals:
    // "Remove Picture" changed what the next save does.
    void changed();

private:
    void btnLoadPic_clicked();
    void btnRemovePic_clicked();
    // Shows the picture (none for a null image) and enables "Remove Picture" when there is one.
    void showPicture(const QImage& image);

    QWidget* m_screen;
    Controls m_ui;
    QImage m_picture; // the picture shown, scaled; written at save when a file type is set
    bool m_hasStored = false; // the person shown has a stored picture
    bool m_removeStored = false; // "Remove Picture" on a stored picture, done at the next save
};

} // namespace pw::members
