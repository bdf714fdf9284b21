#include "directory/DirectoryPanel.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Database.h"
#include "directory/Directory.h"
#include "widgets/Context.h"
#include "widgets/FileChooser.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace pw::directory {

namespace {
    constexpr int kPreviewSide = 120;

    // The combo box's entries, in this order.
    const Listing kListings[] = { Listing::Listed, Listing::WithoutContact, Listing::LeftOut };

    // The picture folder is a plain prefix: a file name is appended as is.
    QString storedPath(const QString& fileName) { return ctx().settings.pictureFolder + fileName; }
} // namespace

DirectoryPanel::DirectoryPanel(QWidget* parent)
    : QWidget(parent)
    , cmbDirectory(named(new QComboBox(this), "cmbDirectory"))
    , imgFamilyPic(named(new QLabel(this), "imgFamilyPic"))
    , btnLoadFamilyPic(named(new QPushButton(tr("Load Family Picture..."), this), "btnLoadFamilyPic"))
    , btnRemoveFamilyPic(named(new QPushButton(tr("Remove Family Picture"), this), "btnRemoveFamilyPic"))
{
    setObjectName(QStringLiteral("DirectoryPanel"));
    for (Listing l : kListings)
        cmbDirectory->addItem(QCoreApplication::translate("Directory", listingText(l).toUtf8().constData()));
    imgFamilyPic->setFixedSize(kPreviewSide, kPreviewSide);
    imgFamilyPic->setAlignment(Qt::AlignCenter);
    auto* form = new QFormLayout;
    form->addRow(tr("Church directory"), cmbDirectory);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnLoadFamilyPic);
    buttons->addWidget(btnRemoveFamilyPic);
    buttons->addStretch(1);
    auto* picture = new QHBoxLayout;
    picture->addWidget(imgFamilyPic);
    picture->addLayout(buttons);
    picture->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addLayout(picture);
    connect(cmbDirectory, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this](int index) { guarded([this, index] { cmbDirectory_changed(index); }); });
    connect(btnLoadFamilyPic, &QPushButton::clicked, this, [this] { guarded([this] { btnLoadFamilyPic_clicked(); }); });
    connect(
        btnRemoveFamilyPic, &QPushButton::clicked, this, [this] { guarded([this] { btnRemoveFamilyPic_clicked(); }); });
    showPerson(0);
}

void DirectoryPanel::showPerson(qint64 id, bool headOfHousehold)
{
    m_person = id;
    m_head = id > 0 && headOfHousehold;
    const bool mayChange = id > 0 && HasPermission(perm::MemberEntry);
    {
        const QSignalBlocker quiet(cmbDirectory);
        const Listing shown = id > 0 ? listingOf(db(), id) : Listing::Listed;
        cmbDirectory->setCurrentIndex(
            static_cast<int>(std::find(std::begin(kListings), std::end(kListings), shown) - std::begin(kListings)));
    }
    cmbDirectory->setEnabled(mayChange);
    for (QWidget* w : std::initializer_list<QWidget*> { imgFamilyPic, btnLoadFamilyPic, btnRemoveFamilyPic })
        w->setVisible(m_head);
    btnLoadFamilyPic->setEnabled(m_head && mayChange);
    showFamilyPicture();
}

void DirectoryPanel::cmbDirectory_changed(int index)
{
    if (m_person <= 0 || index < 0 || !requirePermission(perm::MemberEntry, refusal::Save))
        return;
    setListing(db(), m_person, kListings[index]);
    showStatus(tr("Saved the directory listing: %1.").arg(cmbDirectory->currentText()));
}

void DirectoryPanel::btnLoadFamilyPic_clicked()
{
    if (!m_head || !requirePermission(perm::MemberEntry, refusal::Save))
        return;
    FileRequest request;
    request.kind = FileRequest::Kind::Picture;
    request.caption = tr("Load Family Picture");
    request.path = picturesFolder();
    request.filters = { tr("Image Files (*.bmp *.jpg *.jpeg *.png *.gif *.tif *.tiff)"), tr("All Files (*)") };
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty() || !QImageReader(path).canRead()) {
        messages().show(tr("The file \"%1\" is not a picture that can be read.").arg(path), tr("Load Family Picture"),
            Icon::Warning);
        return;
    }
    BusyCursor busy;
    const QString fileName = QStringLiteral("family-%1.%2").arg(m_person).arg(suffix);
    const QString older = familyPictureOf(db(), m_person);
    // QFile::copy never replaces: the older picture goes first.
    QFile::remove(storedPath(fileName));
    if (!QFile::copy(path, storedPath(fileName)))
        throw Error(tr("The picture could not be copied to \"%1\".").arg(storedPath(fileName)));
    setFamilyPicture(db(), m_person, fileName);
    if (!older.isEmpty() && older != fileName)
        QFile::remove(storedPath(older));
    showFamilyPicture();
    showStatus(tr("Stored the family picture."));
}

void DirectoryPanel::btnRemoveFamilyPic_clicked()
{
    if (!m_head || !requirePermission(perm::MemberEntry, refusal::Save))
        return;
    const QString older = familyPictureOf(db(), m_person);
    setFamilyPicture(db(), m_person, QString());
    if (!older.isEmpty())
        QFile::remove(storedPath(older));
    showFamilyPicture();
    showStatus(tr("Removed the family picture."));
}

void DirectoryPanel::showFamilyPicture()
{
    const QString fileName = m_head ? familyPictureOf(db(), m_person) : QString();
    const QImage image = fileName.isEmpty() ? QImage() : QImage(storedPath(fileName));
    if (image.isNull())
        imgFamilyPic->clear();
    else
        imgFamilyPic->setPixmap(QPixmap::fromImage(
            image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    btnRemoveFamilyPic->setEnabled(m_head && !fileName.isEmpty() && HasPermission(perm::MemberEntry));
}

} // namespace pw::directory
