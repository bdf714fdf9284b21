#include "navigators/frmStartPage.h"

#include "app/Permissions.h"
#include "app/RecentPeople.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "navigators/NavigatorScreen.h"
#include "navigators/SearchGrid.h"
#include "navigators/StartPage.h"
#include "ui_frmStartPage.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"

#include <QHash>
#include <QHeaderView>
#include <QLocale>
#include <QRegularExpression>

namespace pw::navigators {

namespace {

    QString dayText(const QDate& day)
    {
        return QLocale().dayName(day.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ')
            + dateCell(day.toString(Qt::ISODate));
    }

    // "Sunday 3/1": the weekday and the date without its year.
    QString weekdayText(const QDate& day)
    {
        const QString monthDay = formats::dateFormat().remove(QRegularExpression(QStringLiteral("[^dM]*y+[^dM]*")));
        return formats::dateLocale().dayName(day.dayOfWeek()) + QLatin1Char(' ')
            + formats::dateLocale().toString(day, monthDay);
    }

    QString emptyText(int empty)
    {
        if (empty <= 0)
            return QString();
        return empty == 1 ? frmStartPage::tr("1 place empty") : frmStartPage::tr("%1 places empty").arg(empty);
    }

    QString occasionText(const startPage::Occasion& o)
    {
        if (!o.anniversary)
            return frmStartPage::tr("Birthday (%1)").arg(o.years);
        return o.years == 1 ? frmStartPage::tr("Anniversary (1 year)")
                            : frmStartPage::tr("Anniversary (%1 years)").arg(o.years);
    }

    QTreeWidgetItem* line(qint64 id, const QStringList& cells)
    {
        auto* item = new QTreeWidgetItem(cells);
        item->setData(0, Qt::UserRole, static_cast<qlonglong>(id));
        return item;
    }

    void addLine(QTreeWidget* tree, qint64 id, const QStringList& cells) { tree->addTopLevelItem(line(id, cells)); }

    void fit(QTreeWidget* tree)
    {
        for (int c = 0; c < tree->columnCount(); ++c)
            tree->resizeColumnToContents(c);
        tree->scrollToTop();
    }

} // namespace

frmStartPage::frmStartPage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmStartPage)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmStartPage"));
    for (QTreeWidget* tree : { ui->trvOccasions, ui->trvRecent, ui->trvServing, ui->trvProspects }) {
        tree->header()->setStretchLastSection(true);
        // Columns fit the first lines; a large church lists thousands.
        tree->header()->setResizeContentsPrecision(100);
        connect(tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { guarded([this, item] { openItem(item); }); });
    }
    connect(ui->btnRefresh, &QPushButton::clicked, this, [this] { guarded([this] { refresh(); }); });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    if (Workspace* w = workspace()) {
        connect(w, &Workspace::membersChanged, this, [this] { guarded([this] { refresh(); }); });
        connect(w, &Workspace::contactSaved, this, [this] { guarded([this] { refresh(); }); });
        connect(w, &Workspace::personOpened, this, [this] { guarded([this] { refreshRecent(); }); });
    }
    guarded([this] { refresh(); });
}

frmStartPage::~frmStartPage() { delete ui; }

QSize frmStartPage::sizeHint() const { return QWidget::sizeHint().expandedTo(QSize(900, 640)); }

void frmStartPage::refresh()
{
    BusyCursor busy;
    const QDate today = clock().today();
    ui->lblToday->setText(QLocale().toString(today, QLocale::LongFormat));
    // Asked each time: the rights may have changed since the page opened.
    m_mayView = HasPermission(perm::MemberView);
    ui->lblNoNames->setVisible(!m_mayView);
    for (QWidget* group : { ui->grpOccasions, ui->grpRecent, ui->grpProspects })
        group->setVisible(m_mayView);
    for (QTreeWidget* tree : { ui->trvOccasions, ui->trvProspects })
        tree->clear();
    ui->lblMoreProspects->clear();
    refreshRecent();
    refreshServing(today);
    if (!m_mayView)
        return;

    // A large church has thousands of occasions in a week: the lines go into
    // the list at once, and each of the seven days is written out once.
    QList<QTreeWidgetItem*> occasions;
    QHash<QDate, QString> days;
    for (const startPage::Occasion& o : startPage::occasionsAhead(today)) {
        auto day = days.find(o.day);
        if (day == days.end())
            day = days.insert(o.day, dayText(o.day));
        occasions.append(line(o.id, { *day, o.name, occasionText(o) }));
    }
    ui->trvOccasions->addTopLevelItems(occasions);
    fit(ui->trvOccasions);

    int total = 0;
    for (const startPage::DueProspect& p : startPage::dueProspects(today, kProspectsShown, &total))
        addLine(ui->trvProspects, p.id,
            { p.date.isValid() ? dateCell(p.date.toString(Qt::ISODate)) : QString(), p.name, p.action, p.phase });
    fit(ui->trvProspects);
    if (total > kProspectsShown)
        ui->lblMoreProspects->setText(
            tr("The %1 longest overdue of %2 are shown; the Prospect Navigator lists them all.")
                .arg(kProspectsShown)
                .arg(QLocale().toString(total)));
}

void frmStartPage::refreshRecent()
{
    ui->trvRecent->clear();
    if (!m_mayView)
        return;
    for (const startPage::RecentPerson& p : startPage::recentPeople(recentPeople::list()))
        addLine(ui->trvRecent, p.id, { p.name, p.status });
    fit(ui->trvRecent);
}

// Shown to everyone: without "Member View" the lines keep their places and
// conflicts but name nobody.
void frmStartPage::refreshServing(const QDate& today)
{
    ui->trvServing->clear();
    QList<QTreeWidgetItem*> lines;
    for (const startPage::ServingLine& s : startPage::servingAhead(today)) {
        QTreeWidgetItem* item = line(m_mayView ? s.firstId : 0,
            { weekdayText(s.day), s.service, s.position, emptyText(s.empty), s.conflict ? tr("Unavailable") : QString(),
                m_mayView ? s.people.join(QStringLiteral("; ")) : QString() });
        if (s.conflict) {
            for (int c = 0; c < item->columnCount(); ++c) {
                QFont bold = item->font(c);
                bold.setBold(true);
                item->setFont(c, bold);
                item->setForeground(c, Qt::red);
            }
        }
        lines.append(item);
    }
    ui->trvServing->addTopLevelItems(lines);
    fit(ui->trvServing);
}

void frmStartPage::openItem(QTreeWidgetItem* item)
{
    const qint64 id = item ? item->data(0, Qt::UserRole).toLongLong() : 0;
    if (id > 0)
        openPerson(id);
}

} // namespace pw::navigators
