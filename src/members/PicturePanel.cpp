#include "members/PicturePanel.h"

#include "data/Database.h"
#include "members/MemberPicture.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pw::members {

PicturePanel::PicturePanel(QWidget* screen, const Controls& controls)
    : QObject(screen)
    , m_screen(screen)
    , m_ui(controls)
{
    m_ui.fileType->hide();
    m_ui.remove->setEnabled(false); // until a picture is shown
    m_ui.picture->setFixedSize(169, 169);
    connect(m_ui.load, &QPushButton::clicked, this, [this] { guarded([this] { btnLoadPic_clicked(); }); });
    connect(m_ui.remove, &QPushButton::clicked, this, [this] { guarded([this] { btnRemovePic_clicked(); }); });
}

void PicturePanel::clear()
{
    m_ui.fileType->clear();
    showPicture(QImage());
    m_hasStored = false;
    m_removeStored = false;
}

void PicturePanel::showRecord(const MemberRecord& record)
{
    showPicture(record.picture.isEmpty() ? QImage() : QImage(ctx().settings.pictureFolder + record.picture));
    m_hasStored = !record.picture.isEmpty();
}

void PicturePanel::addTo(SaveOptions& options) const
{
    options.removePicture = m_removeStored;
    options.pictureType = m_ui.fileType->text();
    if (!options.pictureType.isEmpty()) {
        options.writePicture = [image = m_picture, folder = ctx().settings.pictureFolder, type = options.pictureType](
                                   const QString& fileName) { picture::write(image, folder + fileName, type); };
    }
}

void PicturePanel::saved()
{
    m_ui.fileType->clear();
    m_removeStored = false;
}

void PicturePanel::btnLoadPic_clicked()
{
    const QString path = picture::chooseImageFile(m_screen);
    if (path.isEmpty())
        return; // cancelled: the picture shown stays
    const QString type = picture::fileTypeOf(path);
    if (type.isEmpty()) {
        messages().show(tr("The file \"%1\" has no usable file type (such as .jpg) at the end of its "
                           "name, so it cannot be stored as a picture.")
                            .arg(path),
            tr("Load Picture"), Icon::Warning);
        return;
    }
    BusyCursor busy;
    QImage image;
    try {
        image = picture::scaled(picture::read(path));
    } catch (const Error& e) {
        messages().show(e.text(), tr("Load Picture"), Icon::Warning);
        return;
    }
    showPicture(image);
    m_ui.fileType->setText(picture::storedFileType(type));
}

void PicturePanel::btnRemovePic_clicked()
{
    // A picture loaded but not saved is dropped; a stored one is removed
    // from the person at the next save.
    m_ui.fileType->clear();
    m_removeStored = m_hasStored;
    showPicture(QImage());
    emit changed();
}

void PicturePanel::showPicture(const QImage& image)
{
    m_picture = image;
    m_ui.remove->setEnabled(!image.isNull());
    if (image.isNull()) {
        m_ui.picture->clear();
        return;
    }
    const QImage shown = image.width() > m_ui.picture->width() || image.height() > m_ui.picture->height()
        ? picture::scaled(image)
        : image;
    m_ui.picture->setPixmap(QPixmap::fromImage(shown));
}

} // namespace pw::members
