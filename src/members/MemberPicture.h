#pragma once

// A person's picture: choosing the file, reading and scaling it, and writing
// it into the picture folder under the person's identifier.

#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;

namespace pw::members::picture {

// The side the longer edge of a loaded picture is scaled to, in pixels.
constexpr int kSide = 165;

// Asks the user for an image file through the context's file chooser (by
// default the "Select Image" file dialog); an empty result means cancelled.
QString chooseImageFile(QWidget* parent);

// The dialog's filter entries, "All Image Files" last; it is the one chosen first.
QStringList fileFilters();

// The file type of a chosen file: the text after the last "." of its file
// name. Empty when the name has none or when it holds anything but letters
// and digits (it becomes part of a path, so nothing else may pass).
QString fileTypeOf(const QString& path);

// The type under which a picture of this type is stored: the type itself when
// this machine can write that format, otherwise "png".
QString storedFileType(const QString& type);

// Reads an image file; throws an Error with a clear text when it cannot.
QImage read(const QString& path);

// Scales so that the longer side is kSide pixels (small pictures grow).
QImage scaled(const QImage& image);

// Writes the picture to path in the format its type names, at full quality,
// through a temporary file renamed over the target, so that a failure leaves
// an existing file untouched. Throws an Error when it cannot.
void write(const QImage& image, const QString& path, const QString& type);

// A picture file that follows the save it belongs to. The new picture is
// written before the save is committed, under a name that replaces nothing:
// the final name when no file has it yet, otherwise a temporary name beside
// it. commit(), called once the save is committed, renames the temporary
// file over the old picture; when the save fails, the destructor removes what
// was written and the old picture stays. A row thus never names a missing
// file, even after a crash between the commit and the rename (the row then
// names the old picture).
class PendingFile {
public:
    // folder is the picture folder as configured: a plain prefix.
    PendingFile(const QString& folder, const QString& fileName);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // The name, relative to the folder prefix, to write the picture to now.
    QString writeName() const { return m_writeName; }
    // True when the picture goes through a temporary file.
    bool replacesExisting() const { return m_writeName != m_fileName; }

    // Puts the written file in place. Throws an Error when the rename fails;
    // the old picture then stays.
    void commit();

private:
    QString m_folder;
    QString m_fileName;
    QString m_writeName;
    bool m_done = false;
};

} // namespace pw::members::picture
