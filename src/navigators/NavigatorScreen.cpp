#include "navigators/NavigatorScreen.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "members/PersonDelete.h"
#include "members/frmMemberEntry.h"
#include "reports/BatchPrint.h"
#include "reports/ProgressDialog.h"
#include "reports/Report.h"
#include "reports/Reports.h"
#include "widgets/GridExport.h"
#include "widgets/Guard.h"
#include "widgets/PickList.h"
#include "widgets/ResultGrid.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QLocale>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>

namespace pw::navigators {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(NavigatorScreen)
    };

    // Enter on a row of a grid opens that person, as a double-click does.
    class OpenOnEnter : public QObject {
    public:
        OpenOnEnter(QTableView* view, ResultModel* model)
            : QObject(view)
            , m_view(view)
            , m_model(model)
        {
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (watched != m_view || event->type() != QEvent::KeyPress)
                return false;
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
                return false;
            const QModelIndex current = m_view->currentIndex();
            if (!current.isValid())
                return false; // the screen's default button gets it
            const qint64 id = m_model->idAt(current.row());
            guarded([id] { openPerson(id); });
            return true;
        }

    private:
        QTableView* m_view;
        ResultModel* m_model;
    };

} // namespace

void keepQuick(QWidget* screen)
{
    for (QComboBox* combo : screen->findChildren<QComboBox*>()) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(14);
        combo->setMaxVisibleItems(20);
        if (auto* view = qobject_cast<QListView*>(combo->view()))
            view->setUniformItemSizes(true);
    }
}

QString chosenText(const QComboBox* combo) { return combo->currentIndex() >= 0 ? combo->currentText() : QString(); }

std::optional<bool> chosenYesNo(const QComboBox* combo)
{
    // By position, as the entries are shown in the user's language: "True"
    // first, then "False".
    if (combo->currentIndex() < 0)
        return std::nullopt;
    return combo->currentIndex() == 0;
}

void fillYesNo(QComboBox* combo) { fillTextList(combo, { Tr::tr("True"), Tr::tr("False") }); }

void fillMonths(QComboBox* combo)
{
    fillTextList(combo,
        { Tr::tr("January"), Tr::tr("February"), Tr::tr("March"), Tr::tr("April"), Tr::tr("May"), Tr::tr("June"),
            Tr::tr("July"), Tr::tr("August"), Tr::tr("September"), Tr::tr("October"), Tr::tr("November"),
            Tr::tr("December") });
}

void tickOnUserChange(QCheckBox* box, std::initializer_list<QDateEdit*> dates)
{
    for (QDateEdit* date : dates)
        QObject::connect(date, &QDateEdit::dateChanged, box, [box] { box->setChecked(true); });
}

void setDatesQuietly(std::initializer_list<QDateEdit*> dates, const QDate& day)
{
    // A date set in code announces itself like the user's own change; the
    // blocker keeps it from ticking the range box.
    for (QDateEdit* date : dates) {
        const QSignalBlocker quiet(date);
        date->setDate(day);
    }
}

ResultModel* setupNavigatorGrid(QTableView* view, const QString& exportName, bool opensPeople)
{
    auto* model = new ResultModel(view);
    setupResultGrid(view, model);
    installGridActions(view, exportName);
    // Many people fit on the screen at once.
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    if (opensPeople) {
        QObject::connect(view, &QTableView::doubleClicked, view, [model](const QModelIndex& index) {
            if (index.isValid()) {
                const qint64 id = model->idAt(index.row());
                guarded([id] { openPerson(id); });
            }
        });
        view->installEventFilter(new OpenOnEnter(view, model));
        // "Delete Person..." on the right-click menu and the Delete key: the
        // person of the current row, who leaves the grid once deleted.
        auto* remove = new QAction(Tr::tr("Delete Person..."), view);
        remove->setObjectName(QStringLiteral("actDeletePerson"));
        remove->setShortcut(QKeySequence::Delete);
        remove->setShortcutContext(Qt::WidgetShortcut);
        QObject::connect(remove, &QAction::triggered, view, [view, model] {
            const QModelIndex current = view->currentIndex();
            if (!current.isValid())
                return;
            guarded([&] {
                if (members::deletePerson(model->idAt(current.row())))
                    view->setRowHidden(current.row(), true);
            });
        });
        view->addAction(remove);
    }
    return model;
}

void emptyGrid(QTableView* view, ResultModel& model, const std::vector<GridColumn>& columns)
{
    model.setColumns(captions(columns));
    fitColumns(view);
}

QString contactsFoundText(int count)
{
    return count == 1 ? Tr::tr("1 contact") : Tr::tr("%1 contacts").arg(QLocale().toString(count));
}

void reportShown(reports::Design design, int people)
{
    showStatus(QStringLiteral("%1: %2.").arg(reports::designTitle(design),
        people == 1 ? Tr::tr("1 person") : Tr::tr("%1 people").arg(QLocale().toString(people))));
}

QSize screenSize(const QWidget* screen, QSize hint)
{
    Workspace* w = workspace();
    if (!w)
        return hint;
    const QStyle* style = screen->style();
    const int frame
        = style->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int room = w->area()->viewport()->height() - frame;
    const int wanted = static_cast<int>(w->area()->window()->height() * 0.9) - frame;
    hint.setHeight(qMax(hint.height(), qMin(wanted, room)));
    return hint;
}

void openPerson(qint64 memberId)
{
    Workspace* ws = workspace();
    if (!ws || memberId <= 0)
        return;
    auto* screen = qobject_cast<members::frmMemberEntry*>(ws->open(QStringLiteral("frmMemberEntry")));
    if (!screen)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
        ws->area()->setActiveSubWindow(sub);
    // The member screen asks about its own unsaved changes before it shows
    // another person, and keeps them when the user says so.
    screen->LoadMember(memberId);
}

QList<qint64> idsInGridOrder(const ResultModel& model)
{
    const QVector<qint64> ids = model.ids();
    return QList<qint64>(ids.begin(), ids.end());
}

bool mayPrint(const ResultModel& model, const QString& permission)
{
    if (!requirePermission(permission, refusal::ViewReport))
        return false;
    return model.rowCount() > 0;
}

void fitAfterSearch(QWidget* screen, QTableView* grid)
{
    fitColumns(grid);
    if (Workspace* w = workspace())
        w->fitToContent(screen);
}

void printList(
    QWidget* screen, const ResultModel& found, const HouseholdChoiceControls& households, reports::Design design)
{
    const bool members = design == reports::Design::MemberList;
    if (!mayPrint(found, members ? perm::MemberNavigatorReport : perm::ProspectNavigatorReport))
        return;
    const QList<qint64> people = households.peopleToList(idsInGridOrder(found));
    const bool shown = members ? reports::PrintMemberList(people, true, reports::progressDialog(screen))
                               : reports::PrintProspectList(people, true, reports::progressDialog(screen));
    if (shown)
        reportShown(design, found.rowCount());
}

void printLabels(QWidget* screen, const ResultModel& found, const HouseholdChoiceControls& households)
{
    if (!mayPrint(found, perm::MailingLabelsReport))
        return;
    if (reports::PrintMailingLabels(idsInGridOrder(found), households.choice(), reports::progressDialog(screen)))
        reportShown(reports::Design::MailingLabels, found.rowCount());
}

void printVisitationSheets(QWidget* screen, const QList<qint64>& ids)
{
    reports::SheetBatch batch;
    batch.ids = ids;
    batch.sheetFor = [](qint64 id) -> reports::ReportPtr {
        reports::ReportData data = reports::visitationSheetData(id);
        if (data.main.rows.empty())
            return nullptr; // removed since the search
        return std::make_shared<const reports::Report>(std::move(data));
    };
    batch.copies = 0; // the printer's own copy count, as a single sheet prints
    batch.title = screen->windowTitle();
    batch.sheets = Tr::tr("prospect visitation sheets");
    batch.pdfName = reports::designTitle(reports::Design::VisitationSheet) + QStringLiteral(".pdf");
    // The run says on the status line what it printed.
    reports::printSheets(batch, screen, reports::progressDialog(screen));
}

HouseholdChoiceControls::HouseholdChoiceControls(QBoxLayout* row, int index, QWidget* before)
{
    QWidget* parent = before->parentWidget();
    m_perHousehold = new QCheckBox(Tr::tr("One per household"), parent);
    m_perHousehold->setObjectName(QStringLiteral("chkOnePerHousehold"));
    m_perHousehold->setToolTip(Tr::tr("Print List and the labels go once to each family, at the head of "
                                      "household's address; people without a household get their own"));
    m_name = new QComboBox(parent);
    m_name->setObjectName(QStringLiteral("cmbHouseholdName"));
    m_name->addItems({ Tr::tr("The Hale Family"), Tr::tr("Henry & Helen Hale") });
    m_name->setToolTip(Tr::tr("How a family's label is addressed: by its last name, or by the first names "
                              "of the head of household and the spouse"));
    m_name->setEnabled(false);
    QObject::connect(m_perHousehold, &QCheckBox::toggled, m_name, &QWidget::setEnabled);
    row->insertWidget(index, m_perHousehold);
    row->insertWidget(index + 1, m_name);
    QWidget::setTabOrder(before, m_perHousehold);
    QWidget::setTabOrder(m_perHousehold, m_name);
}

reports::HouseholdChoice HouseholdChoiceControls::choice() const
{
    return { m_perHousehold->isChecked(),
        m_name->currentIndex() == 1 ? reports::HouseholdName::Couple : reports::HouseholdName::Family };
}

QList<qint64> HouseholdChoiceControls::peopleToList(const QList<qint64>& found) const
{
    if (!m_perHousehold->isChecked())
        return found;
    QList<qint64> ids;
    for (const reports::Addressee& a : reports::householdsOf(found, reports::HouseholdName::Family))
        ids.append(a.id);
    return ids;
}

} // namespace pw::navigators
