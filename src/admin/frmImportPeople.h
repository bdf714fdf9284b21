#pragma once

#include "people/CsvReader.h"
#include "people/ImportMapping.h"

#include <QList>
#include <QPair>
#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace pw::people {
class ImportPlan;
}

namespace pw::admin {

// File > Import People...: people from a spreadsheet's CSV file, in steps:
// the file, which column fills which field, the choices, a preview of what
// will happen (with a choice for each duplicate), and the report. Nothing is
// written before Import is clicked; then everything in one transaction,
// after a backup of the church file.
class frmImportPeople : public QWidget {
    Q_OBJECT
public:
    explicit frmImportPeople(QWidget* parent = nullptr);
    ~frmImportPeople() override;

    enum Page { FilePage, MappingPage, OptionsPage, PreviewPage, ReportPage };

private:
    void btnBrowse_clicked();
    void btnBack_clicked();
    void btnNext_clicked();
    void btnImport_clicked();
    void btnLoadMapping_clicked();
    void btnSaveMapping_clicked();

    void showPage(int page);
    bool readFile();
    void fillMapping(const people::ImportMapping& mapping);
    people::ImportMapping mappingFromScreen() const;
    void makePlan();

    QStackedWidget* m_pages = nullptr;
    QLineEdit* txtFile = nullptr;
    QLabel* lblFileInfo = nullptr;
    QTableWidget* tblMapping = nullptr;
    QCheckBox* chkBundleByAddress = nullptr;
    QCheckBox* chkAddUnknownValues = nullptr;
    // The fields every person needs, each with the value given to every row
    // without one (people::defaultableFields() order).
    QList<QPair<QString, QComboBox*>> m_defaults;
    QComboBox* cmbDuplicates = nullptr;
    QPlainTextEdit* txtPreview = nullptr;
    QTableWidget* tblDuplicates = nullptr;
    QPlainTextEdit* txtReport = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnImport = nullptr;

    std::optional<people::CsvTable> m_table;
    std::unique_ptr<people::ImportPlan> m_plan;
};

} // namespace pw::admin
