#include "checkin/frmCheckinStation.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "checkin/Labels.h"
#include "checkin/VisitorFamily.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Members.h"
#include "data/Services.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QSysInfo>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pw::checkin {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(frmCheckinStation)
    };

    // Which entry of the household a row of the people list shows, and
    // whether the row is listed without "Show adults".
    constexpr int kIndexRole = Qt::UserRole;
    constexpr int kListedRole = Qt::UserRole + 1;

    quint32 systemRandom(quint32 below) { return QRandomGenerator::system()->bounded(below); }

    QHBoxLayout* row(std::initializer_list<QWidget*> widgets, int stretchAfter = -1)
    {
        auto* layout = new QHBoxLayout;
        int i = 0;
        for (QWidget* w : widgets) {
            layout->addWidget(w, i == stretchAfter ? 1 : 0);
            ++i;
        }
        return layout;
    }

    QLabel* caption(const QString& text) { return new QLabel(text); }

    // A row is ticked by a tap anywhere on it, not only on the small box, and
    // a ticked row is coloured so that it shows across the hall.
    void makeTickList(QListWidget* list)
    {
        QObject::connect(list, &QListWidget::itemClicked, list, [](QListWidgetItem* item) {
            if (item->flags() & Qt::ItemIsEnabled)
                item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        });
        QObject::connect(list, &QListWidget::itemChanged, list, [](QListWidgetItem* item) {
            item->setBackground(item->checkState() == Qt::Checked ? QBrush(QColor(210, 240, 210)) : QBrush());
        });
    }

    QListWidgetItem* tickRow(QListWidget* list, const QString& text, bool ticked)
    {
        auto* item = new QListWidgetItem(text, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        return item;
    }

} // namespace

QString serviceMeetingOn(const QDate& day)
{
    for (const services::Service& s : services::all())
        if (s.weekday == day.dayOfWeek())
            return s.codeText();
    return QStringLiteral("SS");
}

void fillServices(QComboBox* combo, const QDate& day)
{
    for (const services::Service& s : services::all())
        combo->addItem(s.nameText(), s.codeText());
    combo->setCurrentIndex(combo->findData(serviceMeetingOn(day)));
}

QVector<PickItem> classesOfService(const QString& serviceCode)
{
    using Kind = Lookups::ClassKind;
    if (serviceCode == QLatin1String("SS"))
        return Lookups::classes(db(), Kind::SundaySchool);
    if (serviceCode == QLatin1String("DT"))
        return Lookups::classes(db(), Kind::DiscipleshipTraining);
    if (serviceCode == QLatin1String("WN"))
        return Lookups::classes(db(), Kind::WednesdayNight);
    return {};
}

QString dayWords(const QDate& day)
{
    return day == clock().today() ? Tr::tr("today") : Tr::tr("on %1").arg(formats::dateText(day));
}

void makeTouchFriendly(QWidget* screen)
{
    QFont font = screen->font();
    font.setPointSize(16);
    screen->setFont(font);
    screen->setStyleSheet(QStringLiteral("QPushButton { min-height: 48px; padding: 4px 18px; }"
                                         "QLineEdit, QComboBox, QDateEdit { min-height: 44px; }"
                                         "QCheckBox::indicator { width: 28px; height: 28px; }"
                                         "QListWidget::item { padding: 10px; }"
                                         "QTabBar::tab { min-height: 44px; padding: 4px 24px; }"));
}

void makeTouchList(QListWidget* list)
{
    list->setSpacing(3);
    list->setWordWrap(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

frmCheckinStation::frmCheckinStation(QWidget* parent)
    : QWidget(parent)
    , cmbService(named(new QComboBox, "cmbService"))
    , dtDay(named(new DateBox, "dtDay"))
    , btnFullScreen(named(new QPushButton(tr("Full Screen")), "btnFullScreen"))
    , tabPages(named(new QTabWidget, "tabPages"))
    , txtSearch(named(new QLineEdit, "txtSearch"))
    , btnSearch(named(new QPushButton(tr("Find")), "btnSearch"))
    , lblFound(named(new QLabel, "lblFound"))
    , lstFamilies(named(new QListWidget, "lstFamilies"))
    , lstPeople(named(new QListWidget, "lstPeople"))
    , chkAdults(named(new QCheckBox(tr("Show adults")), "chkAdults"))
    , btnCheckIn(named(new QPushButton(tr("Check In")), "btnCheckIn"))
    , btnReprint(named(new QPushButton(tr("Reprint Labels")), "btnReprint"))
    , btnAddVisitor(named(new QPushButton(tr("Add Visitor Family")), "btnAddVisitor"))
    , lblCode(named(new QLabel, "lblCode"))
    , lblResult(named(new QLabel, "lblResult"))
    , txtCode(named(new QLineEdit, "txtCode"))
    , btnFindCode(named(new QPushButton(tr("Find")), "btnFindCode"))
    , lstPickup(named(new QListWidget, "lstPickup"))
    , btnCheckOut(named(new QPushButton(tr("Check Out")), "btnCheckOut"))
    , lblOutcome(named(new QLabel, "lblOutcome"))
    , cmbLabelSize(named(new QComboBox, "cmbLabelSize"))
    , chkShowLabels(named(new QCheckBox(tr("Show the labels in the viewer instead of printing them (to "
                                           "save them as PDF)")),
          "chkShowLabels"))
    , btnTestLabels(named(new QPushButton(tr("Print Test Page")), "btnTestLabels"))
    , m_escape(new QShortcut(QKeySequence(Qt::Key_Escape), this))
{
    setObjectName(QStringLiteral("frmCheckinStation"));
    setWindowTitle(tr("Check-in Station"));
    makeTouchFriendly(this);

    const QDate today = clock().today();
    fillServices(cmbService, today);
    dtDay->setCalendarPopup(true);
    dtDay->setDate(today);
    btnFullScreen->setCheckable(true);
    auto* top = row({ caption(tr("Service")), cmbService, caption(tr("Date")), dtDay });
    top->addStretch(1);
    top->addWidget(btnFullScreen);

    // Check In: find the family, tick its people, check them in.
    auto* in = new QWidget;
    auto* inLayout = new QVBoxLayout(in);
    txtSearch->setPlaceholderText(tr("Last 4 digits of a phone, or last name"));
    txtSearch->setMaxLength(50);
    inLayout->addLayout(row({ txtSearch, btnSearch }, 0));
    inLayout->addWidget(lblFound);
    auto* lists = new QHBoxLayout;
    auto* people = new QVBoxLayout;
    people->addWidget(lstPeople, 1);
    people->addWidget(chkAdults);
    lists->addWidget(lstFamilies, 2);
    lists->addLayout(people, 3);
    inLayout->addLayout(lists, 1);
    auto* inButtons = row({ btnCheckIn, btnReprint });
    inButtons->addStretch(1);
    inButtons->addWidget(btnAddVisitor);
    inLayout->addLayout(inButtons);
    QFont big = font();
    big.setPointSize(72);
    big.setBold(true);
    lblCode->setFont(big);
    lblCode->setAlignment(Qt::AlignCenter);
    QFont large = font();
    large.setPointSize(20);
    lblResult->setFont(large);
    lblResult->setAlignment(Qt::AlignCenter);
    lblResult->setWordWrap(true);
    inLayout->addWidget(lblCode);
    inLayout->addWidget(lblResult);
    for (QListWidget* list : { lstFamilies, lstPeople, lstPickup })
        makeTouchList(list);
    makeTickList(lstPeople);
    makeTickList(lstPickup);

    // Check Out: the code on the parent's stub gives the children to hand over.
    auto* out = new QWidget;
    auto* outLayout = new QVBoxLayout(out);
    txtCode->setMaxLength(kCodeLength);
    txtCode->setFont(large);
    txtCode->setPlaceholderText(tr("Code"));
    auto* codeRow = row({ caption(tr("Code on the stub")), txtCode, btnFindCode });
    codeRow->addStretch(1);
    outLayout->addLayout(codeRow);
    outLayout->addWidget(lstPickup, 1);
    auto* outButtons = new QHBoxLayout;
    outButtons->addStretch(1);
    outButtons->addWidget(btnCheckOut);
    outLayout->addLayout(outButtons);
    lblOutcome->setFont(large);
    lblOutcome->setAlignment(Qt::AlignCenter);
    lblOutcome->setWordWrap(true);
    outLayout->addWidget(lblOutcome);

    tabPages->addTab(in, tr("Check In"));
    tabPages->addTab(out, tr("Check Out"));
    tabPages->addTab(labelsPage(), tr("Labels"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabPages, 1);
    setMinimumSize(760, 560);
    setFocusProxy(txtSearch);

    m_escape->setContext(Qt::WidgetWithChildrenShortcut);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, [this] { btnFullScreen->setChecked(false); });
    connect(btnFullScreen, &QPushButton::toggled, this,
        [this](bool on) { guarded([this, on] { btnFullScreen_toggled(on); }); });
    connect(cmbService, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { meetingChanged(); }); });
    connect(dtDay, &QDateEdit::dateChanged, this, [this] { guarded([this] { meetingChanged(); }); });
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] { guarded([this] { btnSearch_clicked(); }); });
    connect(btnSearch, &QPushButton::clicked, this, [this] { guarded([this] { btnSearch_clicked(); }); });
    connect(lstFamilies, &QListWidget::currentItemChanged, this, [this] { guarded([this] { familyChosen(); }); });
    connect(chkAdults, &QCheckBox::toggled, this, [this] { guarded([this] { chkAdults_toggled(); }); });
    connect(btnCheckIn, &QPushButton::clicked, this, [this] { guarded([this] { btnCheckIn_clicked(); }); });
    connect(btnReprint, &QPushButton::clicked, this, [this] { guarded([this] { btnReprint_clicked(); }); });
    connect(btnAddVisitor, &QPushButton::clicked, this, [this] { guarded([this] { btnAddVisitor_clicked(); }); });
    connect(txtCode, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Codes are printed in capitals; typed ones show so too.
        const int at = txtCode->cursorPosition();
        txtCode->setText(text.toUpper());
        txtCode->setCursorPosition(at);
    });
    connect(txtCode, &QLineEdit::returnPressed, this, [this] { guarded([this] { txtCode_entered(); }); });
    connect(btnFindCode, &QPushButton::clicked, this, [this] { guarded([this] { txtCode_entered(); }); });
    connect(btnCheckOut, &QPushButton::clicked, this, [this] { guarded([this] { btnCheckOut_clicked(); }); });
    updateButtons();
}

void frmCheckinStation::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The station may stay open while another user logs in.
    guarded([this] { updateButtons(); });
}

QString frmCheckinStation::serviceCode() const { return cmbService->currentData().toString(); }

QDate frmCheckinStation::day() const { return dtDay->date(); }

bool frmCheckinStation::mayCheck() const
{
    if (HasPermission(perm::MemberEntry))
        return true;
    showRefusal(refusal::Save);
    return false;
}

void frmCheckinStation::updateButtons()
{
    const bool entry = HasPermission(perm::MemberEntry);
    for (QPushButton* button : { btnCheckIn, btnReprint, btnAddVisitor, btnCheckOut })
        button->setEnabled(entry);
}

void frmCheckinStation::meetingChanged()
{
    lblCode->clear();
    lblResult->clear();
    lstPickup->clear();
    m_pickup.clear();
    lblOutcome->clear();
    if (m_headId)
        showHousehold(m_headId);
}

void frmCheckinStation::btnSearch_clicked()
{
    const QString text = txtSearch->text().trimmed();
    {
        const QSignalBlocker quiet(lstFamilies);
        lstFamilies->clear();
    }
    lstPeople->clear();
    m_people.clear();
    m_headId = 0;
    lblCode->clear();
    lblResult->clear();
    if (text.isEmpty()) {
        lblFound->setText(tr("Type the last four digits of a phone number or the start of a last name."));
        return;
    }
    std::vector<Family> families;
    {
        BusyCursor busy;
        families = findFamilies(db(), text);
    }
    if (families.empty()) {
        lblFound->setText(tr("No family found for \"%1\".").arg(text));
        return;
    }
    lblFound->setText(families.size() == 1 ? tr("1 family") : tr("%1 families").arg(families.size()));
    {
        const QSignalBlocker quiet(lstFamilies);
        for (const Family& f : families) {
            auto* item = new QListWidgetItem(
                f.address.isEmpty() ? f.name : f.name + QLatin1Char('\n') + f.address, lstFamilies);
            item->setData(Qt::UserRole, f.headId);
        }
    }
    // One family found: shown at once, nothing to choose.
    if (families.size() == 1)
        lstFamilies->setCurrentRow(0);
}

void frmCheckinStation::familyChosen()
{
    if (QListWidgetItem* item = lstFamilies->currentItem()) {
        lblCode->clear();
        lblResult->clear();
        showHousehold(item->data(Qt::UserRole).toLongLong());
    }
}

void frmCheckinStation::showHousehold(qint64 headId, const QSet<qint64>& alsoTick)
{
    BusyCursor busy;
    m_headId = headId;
    m_people = household(db(), headId, serviceCode(), day());
    lstPeople->clear();
    for (int i = 0; i < int(m_people.size()); ++i) {
        const Person& p = m_people[size_t(i)];
        QString text = p.firstName + QLatin1Char(' ') + p.lastName;
        if (!p.className.isEmpty())
            text += QStringLiteral(" — ") + p.className;
        if (!p.allergy.trimmed().isEmpty())
            text += tr(" (allergy)");
        if (!p.code.isEmpty())
            text += tr("\nchecked in: ") + p.code;
        const bool listed = p.child || alsoTick.contains(p.id);
        QListWidgetItem* item = tickRow(lstPeople, text, listed);
        item->setData(kIndexRole, i);
        item->setData(kListedRole, listed);
        item->setHidden(!listed && !chkAdults->isChecked());
    }
}

void frmCheckinStation::chkAdults_toggled()
{
    for (int i = 0; i < lstPeople->count(); ++i) {
        QListWidgetItem* item = lstPeople->item(i);
        const bool hidden = !item->data(kListedRole).toBool() && !chkAdults->isChecked();
        item->setHidden(hidden);
        // Nobody hidden is checked in unseen.
        if (hidden)
            item->setCheckState(Qt::Unchecked);
    }
}

QString frmCheckinStation::firstName(qint64 id) const
{
    for (const Person& p : m_people)
        if (p.id == id)
            return p.firstName;
    return QString();
}

QString frmCheckinStation::pronoun(qint64 id) const
{
    const auto person = Members::load(db(), id);
    const QString gender = person ? person->gender : QString();
    //: Whose label: "Print her label again?"
    if (gender == QLatin1String("Female"))
        return tr("her");
    if (gender == QLatin1String("Male"))
        return tr("his");
    return tr("their");
}

void frmCheckinStation::btnCheckIn_clicked()
{
    if (!mayCheck())
        return;
    CheckinRequest request;
    for (int i = 0; i < lstPeople->count(); ++i) {
        const QListWidgetItem* item = lstPeople->item(i);
        if (!item->isHidden() && item->checkState() == Qt::Checked) {
            const Person& p = m_people[size_t(item->data(kIndexRole).toInt())];
            request.people.push_back({ p.id, p.classId });
        }
    }
    if (request.people.empty()) {
        messages().show(tr("Tick the people to check in."), tr("Check-in Station"));
        return;
    }
    request.serviceCode = serviceCode();
    request.day = day();
    request.station = QSysInfo::machineHostName();
    request.user = ctx().user.username;
    request.now = clock().now();
    CheckinResult result;
    {
        BusyCursor busy;
        result = checkIn(db(), request, &systemRandom);
    }
    // The labels to print by code: the people checked in now under the
    // family's code, a reprint under the code the person already holds
    // (two children checked in apart hold codes of their own).
    QMap<QString, QList<qint64>> labels;
    if (!result.checkedIn.empty())
        labels[result.code] = QList<qint64>(result.checkedIn.begin(), result.checkedIn.end());
    QStringList checkedIn, again;
    for (qint64 id : result.checkedIn)
        checkedIn << firstName(id);
    for (qint64 id : result.already) {
        QString held = result.code;
        for (const Person& p : m_people)
            if (p.id == id && !p.code.isEmpty())
                held = p.code;
        const QString question = tr("%1 is already checked in to %2 %3 with code %4. Print %5 label again?")
                                     .arg(firstName(id), cmbService->currentText(), dayWords(day()), held, pronoun(id));
        if (messages().ask(question, tr("Check-in Station")) == Answer::Yes) {
            labels[held] << id;
            again << firstName(id);
        }
    }
    QStringList outcome;
    if (!checkedIn.isEmpty())
        outcome << tr("Checked in: ") + checkedIn.join(QStringLiteral(", "));
    if (!again.isEmpty())
        outcome << tr("Labels printed again: ") + again.join(QStringLiteral(", "));
    if (outcome.isEmpty())
        outcome << tr("Nobody new was checked in.");
    bool printed = true;
    for (auto it = labels.cbegin(); it != labels.cend(); ++it)
        printed = printFor(it.key(), it.value()) && printed;
    if (!printed)
        outcome << tr("The labels were not printed: press Reprint Labels.");
    showHousehold(m_headId);
    showCode(result.code, outcome.join(QLatin1Char('\n')));
    if (!checkedIn.isEmpty())
        showStatus(tr("Checked in %1 with code %2.").arg(checkedIn.join(QStringLiteral(", ")), result.code));
}

bool frmCheckinStation::printFor(const QString& code, const QList<qint64>& people)
{
    std::vector<CheckinRow> rows;
    for (const CheckinRow& r : byCode(db(), day(), code))
        if (r.service == serviceCode() && !r.checkedOutAt.isValid() && people.contains(r.memberId))
            rows.push_back(r);
    return !rows.empty() && printLabels(labelRun(rows), chkShowLabels->isChecked());
}

void frmCheckinStation::showCode(const QString& code, const QString& outcome)
{
    lblCode->setText(code);
    lblResult->setText(outcome);
}

void frmCheckinStation::btnReprint_clicked()
{
    if (!mayCheck())
        return;
    if (!m_headId) {
        messages().show(tr("Find the family first."), tr("Check-in Station"));
        return;
    }
    // As stored now: another station may have checked them in meanwhile.
    showHousehold(m_headId);
    QMap<QString, QList<qint64>> byItsCode;
    QStringList names;
    for (const Person& p : m_people)
        if (!p.code.isEmpty()) {
            byItsCode[p.code] << p.id;
            names << p.firstName;
        }
    if (byItsCode.isEmpty()) {
        messages().show(
            tr("Nobody of this family is checked in to %1 %2.").arg(cmbService->currentText(), dayWords(day())),
            tr("Check-in Station"));
        return;
    }
    bool printed = true;
    for (auto it = byItsCode.cbegin(); it != byItsCode.cend(); ++it)
        printed = printFor(it.key(), it.value()) && printed;
    showCode(QStringList(byItsCode.keys()).join(QStringLiteral(" ")),
        printed ? tr("Labels printed again: ") + names.join(QStringLiteral(", ")) : tr("The labels were not printed."));
}

void frmCheckinStation::btnAddVisitor_clicked()
{
    if (!mayCheck())
        return;
    VisitorFamilyDialog dialog(serviceCode(), day(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const NewFamily& family = dialog.added();
    txtSearch->setText(family.lastName);
    {
        const QSignalBlocker quiet(lstFamilies);
        lstFamilies->clear();
        auto* item = new QListWidgetItem(family.name, lstFamilies);
        item->setData(Qt::UserRole, family.headId);
        lstFamilies->setCurrentItem(item);
    }
    lblFound->setText(tr("1 family"));
    lblCode->clear();
    lblResult->clear();
    showHousehold(family.headId, QSet<qint64>(family.children.begin(), family.children.end()));
    showStatus(tr("Added the visitor family %1.").arg(family.name));
    if (Workspace* w = workspace())
        emit w->membersChanged();
}

QWidget* frmCheckinStation::labelsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (const LabelSize& size : labelSizes())
        cmbLabelSize->addItem(size.name);
    cmbLabelSize->setCurrentIndex(std::max(0, cmbLabelSize->findText(stationLabelSize().name)));
    auto* sizeRow = row({ caption(tr("Label size on this computer")), cmbLabelSize, btnTestLabels });
    sizeRow->addStretch(1);
    layout->addLayout(sizeRow);
    layout->addWidget(chkShowLabels);
    layout->addStretch(1);
    connect(cmbLabelSize, qOverload<int>(&QComboBox::activated), this,
        [this] { guarded([this] { setStationLabelSize(cmbLabelSize->currentText()); }); });
    connect(btnTestLabels, &QPushButton::clicked, this,
        [this] { guarded([this] { printTestLabels(chkShowLabels->isChecked()); }); });
    return page;
}

void frmCheckinStation::btnFullScreen_toggled(bool on)
{
    // In the program the screen's child window fills the main window, which
    // fills the screen; on its own the screen itself does.
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* top = window();
    if (on) {
        m_windowState = top->windowState();
        if (frame) {
            m_frameState = frame->windowState();
            frame->setWindowState(m_frameState | Qt::WindowMaximized);
        }
        top->setWindowState(m_windowState | Qt::WindowFullScreen);
    } else {
        top->setWindowState(m_windowState & ~Qt::WindowFullScreen);
        if (frame)
            frame->setWindowState(m_frameState);
    }
    m_escape->setEnabled(on);
}

void frmCheckinStation::txtCode_entered()
{
    const QString code = txtCode->text().trimmed().toUpper();
    lstPickup->clear();
    m_pickup.clear();
    lblOutcome->clear();
    if (code.isEmpty())
        return;
    {
        BusyCursor busy;
        m_pickup = byCode(db(), day(), code);
    }
    if (m_pickup.empty()) {
        messages().show(tr("No child is checked in %1 with code %2.").arg(dayWords(day()), code),
            tr("Check-in Station"), Icon::Warning);
        txtCode->selectAll();
        return;
    }
    bool anyIn = false;
    for (const CheckinRow& r : m_pickup) {
        const services::Service* s = services::byCode(r.service);
        QString text = r.firstName + QLatin1Char(' ') + r.lastName + QStringLiteral(" — ")
            + (r.className.isEmpty() && s ? s->nameText() : r.className);
        text += tr("\nAuthorised to pick up: ")
            + (r.authorisedPickup.trimmed().isEmpty() ? tr("(not recorded)") : r.authorisedPickup);
        const bool in = !r.checkedOutAt.isValid();
        if (!in)
            text += tr("\nchecked out at ") + r.checkedOutAt.toString(QStringLiteral("h:mm AP"));
        QListWidgetItem* item = tickRow(lstPickup, text, in);
        if (!in)
            item->setFlags(Qt::ItemIsSelectable);
        anyIn = anyIn || in;
    }
    if (!anyIn)
        lblOutcome->setText(tr("Everyone under code %1 is checked out already.").arg(code));
}

void frmCheckinStation::btnCheckOut_clicked()
{
    if (!mayCheck())
        return;
    QList<qint64> ids;
    QStringList names;
    for (int i = 0; i < lstPickup->count(); ++i) {
        const QListWidgetItem* item = lstPickup->item(i);
        if ((item->flags() & Qt::ItemIsEnabled) && item->checkState() == Qt::Checked) {
            ids << m_pickup[size_t(i)].id;
            names << m_pickup[size_t(i)].firstName;
        }
    }
    if (ids.isEmpty()) {
        messages().show(
            tr("Type the code on the parent's stub and tick the children to check out."), tr("Check-in Station"));
        return;
    }
    {
        BusyCursor busy;
        checkOut(db(), ids, ctx().user.username, clock().now());
    }
    txtCode_entered();
    const QString outcome = tr("Checked out: %1.").arg(names.join(QStringLiteral(", ")));
    lblOutcome->setText(outcome);
    showStatus(outcome);
}

} // namespace pw::checkin
