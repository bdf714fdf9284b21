#pragma once

#include "giving/GiftImport.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace pw::giving {

// Gifts from an online-giving service's CSV export: the file chosen, its
// columns matched to the gift's fields (guessed from their names, changed in
// the grid), what the import would do shown first (the gifts, the rows left
// out and why), then Import writes them into one new batch. The same file
// twice adds nothing.
class frmImportGifts : public QWidget {
    Q_OBJECT
public:
    explicit frmImportGifts(QWidget* parent = nullptr);

private:
    void btnChoose_clicked();
    void preview();
    void btnImport_clicked();
    // The file's columns with their first values, each with the field it fills.
    void fillMapping();
    GiftMapping mappingFromScreen() const;

    std::unique_ptr<people::CsvTable> m_table;
    QLineEdit* txtFile;
    QPushButton* btnChoose;
    QTableWidget* tblMapping;
    QCheckBox* chkCreateFunds;
    QPlainTextEdit* txtPreview;
    QPushButton* btnImport;
    QPushButton* btnExit;
};

} // namespace pw::giving
