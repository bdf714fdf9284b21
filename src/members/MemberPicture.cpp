#include "members/MemberPicture.h"

#include "data/Database.h"
#include "data/FileOps.h"
#include "widgets/FileChooser.h"
#include "widgets/FormHelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace pw::members::picture {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(MemberPicture)
    };
} // namespace

namespace {

    bool isPlainType(const QString& type)
    {
        if (type.isEmpty())
            return false;
        for (const QChar c : type) {
            const ushort u = c.unicode();
            if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')))
                return false;
        }
        return true;
    }

    QByteArray formatOf(const QString& type) { return type.toLower().toLatin1(); }

} // namespace

QString chooseImageFile(QWidget* parent)
{
    FileRequest request;
    request.kind = FileRequest::Kind::Picture;
    request.caption = Tr::tr("Select Image");
    // Where people keep their photos, not the program's own folder.
    request.path = picturesFolder();
    request.filters = fileFilters();
    request.selectedFilter = request.filters.last();
    request.hideFilterDetails = true; // each name already shows its patterns
    return chooseFile(parent, request);
}

QStringList fileFilters()
{
    // Each entry: the name shown, then the patterns the dialog matches.
    static const char* const entries[] = {
        QT_TRANSLATE_NOOP("MemberPicture", "Bitmap Files (*.bmp) (*.bmp)"),
        QT_TRANSLATE_NOOP("MemberPicture", "JPEG Files (*.jpg, *.jpeg) (*.jpg *.jpeg)"),
        QT_TRANSLATE_NOOP("MemberPicture", "PCX Files (*.pcx) (*.pcx)"),
        QT_TRANSLATE_NOOP("MemberPicture", "PNG Files (*.png) (*.png)"),
        QT_TRANSLATE_NOOP("MemberPicture", "GIF Files (*.gif) (*.gif)"),
        QT_TRANSLATE_NOOP("MemberPicture", "Wireless Bitmap Files (*.wbm, *.wbmp) (*.wbm *.wbmp)"),
        QT_TRANSLATE_NOOP("MemberPicture", "Adobe Photoshop Files (*.psd) (*.psd)"),
        QT_TRANSLATE_NOOP("MemberPicture", "TIFF Files (*.tif, *.tiff) (*.tif *.tiff)"),
        QT_TRANSLATE_NOOP(
            "MemberPicture", "All Image Files (*.bmp *.jpg *.jpeg *.pcx *.png *.gif *.wbm *.wbmp *.psd *.tif *.tiff)"),
    };
    QStringList out;
    for (const char* entry : entries)
        out.append(QCoreApplication::translate("MemberPicture", entry));
    return out;
}

QString fileTypeOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const int dot = static_cast<int>(name.lastIndexOf(QLatin1Char('.')));
    if (dot < 0)
        return {};
    const QString type = name.mid(dot + 1);
    return isPlainType(type) ? type : QString();
}

QString storedFileType(const QString& type)
{
    if (isPlainType(type) && QImageWriter::supportedImageFormats().contains(formatOf(type)))
        return type;
    return QStringLiteral("png");
}

QImage read(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        throw Error(
            Tr::tr("The picture \"%1\" could not be read: %2.").arg(QFileInfo(path).fileName(), reader.errorString()));
    return image;
}

QImage scaled(const QImage& image)
{
    if (image.isNull())
        return image;
    // The shorter side follows in proportion, rounded, and keeps at least one
    // pixel (a strip of 2000 x 1 would otherwise vanish).
    const bool tall = image.width() < image.height();
    const int longer = tall ? image.height() : image.width();
    const int shorter = tall ? image.width() : image.height();
    const int other = qMax(1, static_cast<int>((qint64(shorter) * kSide + longer / 2) / longer));
    const QSize size = tall ? QSize(other, kSide) : QSize(kSide, other);
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void write(const QImage& image, const QString& path, const QString& type)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(Tr::tr("The picture could not be written to \"%1\": %2.").arg(path, file.errorString()));
    QImageWriter writer(&file, formatOf(type));
    writer.setQuality(100);
    if (!writer.write(image)) {
        const QString reason = writer.errorString();
        file.cancelWriting();
        throw Error(Tr::tr("The picture could not be written to \"%1\": %2.").arg(path, reason));
    }
    if (!file.commit())
        throw Error(Tr::tr("The picture could not be written to \"%1\": %2.").arg(path, file.errorString()));
}

PendingFile::PendingFile(const QString& folder, const QString& fileName)
    : m_folder(folder)
    , m_fileName(fileName)
    , m_writeName(fileName)
{
    if (QFileInfo::exists(folder + fileName))
        m_writeName = QStringLiteral(".%1.saving-%2").arg(fileName).arg(QCoreApplication::applicationPid());
}

PendingFile::~PendingFile()
{
    if (!m_done)
        QFile::remove(m_folder + m_writeName);
}

void PendingFile::commit()
{
    if (m_done)
        return;
    m_done = true;
    if (!replacesExisting())
        return;
    const QString from = m_folder + m_writeName;
    const QString to = m_folder + m_fileName;
    if (!QFileInfo::exists(from))
        return; // nothing was written
    // The new picture replaces the old one in one step.
    if (const int error = files::renameInto(from, to, true)) {
        const QString reason = files::systemError(error);
        QFile::remove(from);
        throw Error(Tr::tr("The new picture could not replace \"%1\": %2. The previous picture was "
                           "kept.")
                        .arg(to, reason));
    }
}

} // namespace pw::members::picture
