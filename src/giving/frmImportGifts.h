#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pw::giving {

// Gifts from an online-giving service's CSV export: the file chosen, what
// the import would do shown first (the gifts, the rows left out and why),
// then Import writes them into one new batch. The same file twice adds
// nothing.
class frmImportGifts : public QWidget {
    Q_OBJECT
public:
    explicit frmImportGifts(QWidget* parent = nullptr);

private:
    void btnChoose_clicked();
    void preview();
    void btnImport_clicked();

    QLineEdit* txtFile;
    QPushButton* btnChoose;
    QCheckBox* chkCreateFunds;
    QPlainTextEdit* txtPreview;
    QPushButton* btnImport;
    QPushButton* btnExit;
};

} // namespace pw::giving
