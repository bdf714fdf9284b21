#include "widgets/FileChooser.h"

#include "widgets/Context.h"

#include <QFileDialog>

namespace pw {

QString chooseFile(QWidget* parent, const FileRequest& request)
{
    const FileChooser& chooser = ctx().fileChooser;
    return chooser ? chooser(parent, request) : fileDialog(parent, request);
}

QString fileDialog(QWidget* parent, const FileRequest& request)
{
    const QString filter = request.filters.join(QStringLiteral(";;"));
    QString selected = request.selectedFilter.isEmpty() ? request.filters.value(0) : request.selectedFilter;
    QFileDialog::Options options;
    if (request.hideFilterDetails)
        options |= QFileDialog::HideNameFilterDetails;
    if (request.kind == FileRequest::Kind::Folder)
        return QFileDialog::getExistingDirectory(parent, request.caption, request.path);
    if (request.saving())
        return QFileDialog::getSaveFileName(parent, request.caption, request.path, filter, &selected, options);
    return QFileDialog::getOpenFileName(parent, request.caption, request.path, filter, &selected, options);
}

} // namespace pw
