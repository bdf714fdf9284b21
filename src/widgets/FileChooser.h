#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace pw {

// What a file dialog is asked for. Every file the user picks goes through one
// chooser (see Context), so tests answer instead of a dialog.
struct FileRequest {
    enum class Kind {
        Picture, // a member's picture to load
        Pdf, // where a report is saved as PDF
        Open, // any other file to read (a backup, an import)
        Save, // any other file to write (a backup, an export)
        Folder, // a folder to write files into
    };
    Kind kind = Kind::Open;
    QString caption; // the dialog's title
    QString path; // the folder or file offered first
    QStringList filters; // e.g. "PDF Files (*.pdf)"
    QString selectedFilter; // the filter shown first; empty: the first one
    bool hideFilterDetails = false; // the filter names already show their patterns

    bool saving() const { return kind == Kind::Pdf || kind == Kind::Save; }
};

// Returns the chosen path, or empty text when the user cancelled.
using FileChooser = std::function<QString(QWidget* parent, const FileRequest& request)>;

// Asks through the context's chooser, or through the file dialog when none is set.
QString chooseFile(QWidget* parent, const FileRequest& request);

// The file dialog: an open dialog, a save dialog for Pdf and Save, or a
// folder dialog for Folder.
QString fileDialog(QWidget* parent, const FileRequest& request);

} // namespace pw
