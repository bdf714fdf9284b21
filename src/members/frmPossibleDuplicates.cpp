#include "members/frmPossibleDuplicates.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "members/frmMergePeople.h"
#include "people/Duplicates.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/ResultGrid.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace pw::members {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(PossibleDuplicatesScreen)
    };

    QPushButton* button(QWidget* parent, const char* name, const QString& caption)
    {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    }

    QString pairText(const people::PossibleDuplicate& pair)
    {
        return Tr::tr("%1 and %2").arg(pair.firstName, pair.secondName);
    }

} // namespace

frmPossibleDuplicates::frmPossibleDuplicates(QWidget* parent)
    : QWidget(parent)
    , vsfgPairs(new QTableView(this))
    , m_model(new ResultModel(this))
    , lblCount(new QLabel(this))
    , btnMerge(button(this, "btnMerge", tr("Open in &Merge")))
    , btnNotSame(button(this, "btnNotSame", tr("&Not the Same Person")))
{
    setObjectName(QStringLiteral("frmPossibleDuplicates"));
    setWindowTitle(tr("Possible Duplicates"));
    vsfgPairs->setObjectName(QStringLiteral("vsfgPairs"));
    lblCount->setObjectName(QStringLiteral("lblCount"));
    setupResultGrid(vsfgPairs, m_model);
    enableSorting(vsfgPairs);
    QPushButton* btnRefresh = button(this, "btnRefresh", tr("&Refresh"));
    QPushButton* btnExit = button(this, "btnExit", tr("E&xit"));

    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("People the duplicate rule takes for one person: the same name and birth "
                               "date, the same e-mail, or the same phone and last name. Open a pair in "
                               "Merge People to make the two records one, or mark it as two people so "
                               "that it is not offered again."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(vsfgPairs, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCount);
    buttons->addStretch();
    for (QPushButton* b : { btnMerge, btnNotSame, btnRefresh, btnExit })
        buttons->addWidget(b);
    layout->addLayout(buttons);
    setDefaultButton(this, btnMerge);
    setCancelButton(this, btnExit);

    connect(btnMerge, &QPushButton::clicked, this, [this] { guarded([this] { btnMerge_clicked(); }); });
    connect(btnNotSame, &QPushButton::clicked, this, [this] { guarded([this] { btnNotSame_clicked(); }); });
    connect(btnRefresh, &QPushButton::clicked, this, [this] { guarded([this] { refresh(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(vsfgPairs, &QTableView::doubleClicked, this, [this] { guarded([this] { btnMerge_clicked(); }); });
    if (Workspace* w = workspace())
        connect(w, &Workspace::membersChanged, this, [this] { guarded([this] { dropPairsOfMissingPeople(); }); });
    guarded([this] { refresh(); });
}

void frmPossibleDuplicates::refresh()
{
    BusyCursor busy;
    m_pairs = people::findPossibleDuplicates(db());
    showPairs();
}

void frmPossibleDuplicates::dropPairsOfMissingPeople()
{
    if (m_pairs.isEmpty())
        return;
    QList<qint64> ids;
    for (const people::PossibleDuplicate& pair : std::as_const(m_pairs))
        ids << pair.first << pair.second;
    QSet<qint64> present;
    db().scan(QStringLiteral("SELECT ID FROM Member WHERE ") + sql::inIdList(QStringLiteral("ID")),
        { sql::idList(ids) }, [&](const RowView& row) { present.insert(row.integer(0)); });
    const qsizetype before = m_pairs.size();
    m_pairs.removeIf([&](const people::PossibleDuplicate& pair) {
        return !present.contains(pair.first) || !present.contains(pair.second);
    });
    if (m_pairs.size() != before)
        showPairs();
}

void frmPossibleDuplicates::showPairs()
{
    m_model->setColumns({ tr("ID"), tr("Person"), tr("Other ID"), tr("Other Person"), tr("Why") });
    QVector<QStringList> rows;
    rows.reserve(m_pairs.size());
    for (const people::PossibleDuplicate& pair : std::as_const(m_pairs))
        rows.append({ QString::number(pair.first), pair.firstName, QString::number(pair.second), pair.secondName,
            people::describeReasons(pair.reasons) });
    m_model->setRows(rows);
    fitColumns(vsfgPairs);
    lblCount->setText(m_pairs.size() == 1 ? tr("1 pair") : tr("%1 pairs").arg(m_pairs.size()));
    if (!m_pairs.isEmpty())
        vsfgPairs->selectRow(0);
    btnMerge->setEnabled(!m_pairs.isEmpty());
    btnNotSame->setEnabled(!m_pairs.isEmpty());
}

const people::PossibleDuplicate* frmPossibleDuplicates::currentPair() const
{
    const int row = vsfgPairs->currentIndex().row();
    if (row < 0)
        return nullptr;
    const qint64 first = m_model->idAt(row);
    const qint64 second = m_model->textAt(row, 2).toLongLong();
    for (const people::PossibleDuplicate& pair : m_pairs)
        if (pair.first == first && pair.second == second)
            return &pair;
    return nullptr;
}

void frmPossibleDuplicates::btnMerge_clicked()
{
    const people::PossibleDuplicate* pair = currentPair();
    Workspace* w = workspace();
    if (!pair || !w)
        return;
    auto* merge = qobject_cast<frmMergePeople*>(w->open(QStringLiteral("frmMergePeople")));
    if (!merge)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(merge->parentWidget()))
        w->area()->setActiveSubWindow(sub);
    // The record entered first is kept by default; Swap changes that.
    merge->choose(pair->first, pair->second);
}

void frmPossibleDuplicates::btnNotSame_clicked()
{
    const people::PossibleDuplicate* pair = currentPair();
    if (!pair || !requireAdmin(tr("mark people as not the same person")))
        return;
    if (messages().ask(tr("Are %1 two different people?\n\nThe pair is then no longer offered as a "
                          "possible duplicate.")
                           .arg(pairText(*pair)),
            tr("Possible Duplicates"))
        != Answer::Yes)
        return;
    const people::PossibleDuplicate marked = *pair;
    people::markNotDuplicate(db(), marked.first, marked.second, ctx().user.username, clock().now());
    const int row = vsfgPairs->currentIndex().row();
    m_pairs.removeIf(
        [&](const people::PossibleDuplicate& p) { return p.first == marked.first && p.second == marked.second; });
    showPairs();
    if (!m_pairs.isEmpty())
        vsfgPairs->selectRow(std::min(row, int(m_pairs.size()) - 1));
    showStatus(tr("Marked %1 as two people.").arg(pairText(marked)));
}

} // namespace pw::members
