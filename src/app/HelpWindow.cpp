#include "app/HelpWindow.h"

#include "app/Workspace.h"
#include "i18n/Language.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

// The pages live in a static library; naming their resource here keeps the
// linker from dropping it.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace pw {

namespace {

    const QString kContents = QStringLiteral("contents");

    // Pictures are shown at most this wide beside the contents; a click on
    // one shows it at full size.
    constexpr int kPictureWidth = 600;

    // A browser that shrinks wide pictures smoothly as it loads them, instead
    // of letting the page clip them.
    class HelpBrowser : public QTextBrowser {
    public:
        using QTextBrowser::QTextBrowser;

        QVariant loadResource(int type, const QUrl& name) override
        {
            if (type != QTextDocument::ImageResource)
                return QTextBrowser::loadResource(type, name);
            QImage image(QStringLiteral(":") + name.path());
            if (image.isNull())
                return QTextBrowser::loadResource(type, name);
            if (image.width() > kPictureWidth)
                image = image.scaledToWidth(kPictureWidth, Qt::SmoothTransformation);
            return image;
        }
    };

    // One picture at full size in a window of its own.
    void showPicture(QWidget* parent, const QString& resourcePath)
    {
        auto* window = new QScrollArea(parent);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(QStringLiteral("frmHelpPicture"));
        window->setWindowTitle(HelpWindow::tr("Pewlark Help"));
        auto* label = new QLabel(window);
        label->setPixmap(QPixmap(resourcePath));
        window->setWidget(label);
        window->resize(label->sizeHint().boundedTo(QSize(1300, 850)) + QSize(4, 4));
        new QShortcut(QKeySequence(Qt::Key_Escape), window, [window] { window->close(); });
        window->show();
    }

} // namespace

const QList<HelpSection>& helpSections()
{
    static const QList<HelpSection> sections = {
        { kContents, QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Contents")) },
        { QStringLiteral("getting-started"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Getting started")) },
        { QStringLiteral("people"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Finding and adding a person")) },
        { QStringLiteral("families"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Families")) },
        { QStringLiteral("responsibilities"),
            QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Responsibilities, classes and care groups")) },
        { QStringLiteral("outreach"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Outreach contacts")) },
        { QStringLiteral("printing"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Printing and labels")) },
        { QStringLiteral("backups"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Backups")) },
        { QStringLiteral("users"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Users and permissions")) },
        { QStringLiteral("attendance"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Attendance")) },
        { QStringLiteral("giving"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Giving")) },
        { QStringLiteral("rosters"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Rosters")) },
        { QStringLiteral("checkin"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Check-in")) },
        { QStringLiteral("directory"), QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Church Directory")) },
        { QStringLiteral("import-people"),
            QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Importing people from a spreadsheet")) },
        { QStringLiteral("merge-delete"),
            QString::fromUtf8(QT_TRANSLATE_NOOP("HelpWindow", "Merging and deleting people")) },
    };
    return sections;
}

QString helpSectionFor(const QString& windowName)
{
    static const QHash<QString, QString> sections = {
        { QStringLiteral("frmMemberEntry"), QStringLiteral("people") },
        { QStringLiteral("frmMemberNavigator"), QStringLiteral("people") },
        { QStringLiteral("frmProspectNavigator"), QStringLiteral("outreach") },
        { QStringLiteral("frmProspectContactEntry"), QStringLiteral("outreach") },
        { QStringLiteral("frmOutreachPhaseEntry"), QStringLiteral("outreach") },
        { QStringLiteral("frmSSClassEntry"), QStringLiteral("responsibilities") },
        { QStringLiteral("frmDTClassEntry"), QStringLiteral("responsibilities") },
        { QStringLiteral("frmWedClassEntry"), QStringLiteral("responsibilities") },
        { QStringLiteral("frmCGClassEntry"), QStringLiteral("responsibilities") },
        { QStringLiteral("frmResponsibilityEntry"), QStringLiteral("responsibilities") },
        { QStringLiteral("frmUserEntry"), QStringLiteral("users") },
        { QStringLiteral("frmChangePassword"), QStringLiteral("users") },
        { QStringLiteral("frmProspectVisitationSheetReport"), QStringLiteral("printing") },
        { QStringLiteral("frmMemberInformationUpdateReport"), QStringLiteral("printing") },
        { QStringLiteral("Viewer"), QStringLiteral("printing") },
        { QStringLiteral("frmHelp"), kContents },
        { QStringLiteral("frmAttendanceEntry"), QStringLiteral("attendance") },
        { QStringLiteral("frmAttendanceReports"), QStringLiteral("attendance") },
        { QStringLiteral("frmGiftEntry"), QStringLiteral("giving") },
        { QStringLiteral("frmFunds"), QStringLiteral("giving") },
        { QStringLiteral("frmContributionStatements"), QStringLiteral("giving") },
        { QStringLiteral("frmGivingReports"), QStringLiteral("giving") },
        { QStringLiteral("frmRosters"), QStringLiteral("rosters") },
        { QStringLiteral("frmRosterPositions"), QStringLiteral("rosters") },
        { QStringLiteral("frmCheckinStation"), QStringLiteral("checkin") },
        { QStringLiteral("frmClassCheckout"), QStringLiteral("checkin") },
        { QStringLiteral("frmCheckinReports"), QStringLiteral("checkin") },
        { QStringLiteral("frmChurchDirectory"), QStringLiteral("directory") },
        { QStringLiteral("frmImportGifts"), QStringLiteral("giving") },
        { QStringLiteral("frmImportPeople"), QStringLiteral("import-people") },
        { QStringLiteral("frmMergePeople"), QStringLiteral("merge-delete") },
        { QStringLiteral("frmPossibleDuplicates"), QStringLiteral("merge-delete") },
    };
    return sections.value(windowName, QStringLiteral("getting-started"));
}

// A page of the guide in the language in use where the guide has it there
// (help/<language>/), else the English page.
static QUrl inLanguage(const QUrl& page)
{
    const QFileInfo file(page.path());
    if (i18n::current() == QLatin1String("en") || file.path() != QLatin1String("/help"))
        return page;
    const QString translated = QStringLiteral("/help/%1/%2").arg(i18n::current(), file.fileName());
    if (!QFile::exists(QStringLiteral(":") + translated))
        return page;
    QUrl url(page);
    url.setPath(translated);
    return url;
}

QUrl helpUrl(const QString& section) { return inLanguage(QUrl(QStringLiteral("qrc:/help/%1.html").arg(section))); }

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent)
{
    initHelpResources();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Pewlark Help"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tlbHelp"));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    layout->addWidget(bar);

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenLinks(false);
    m_browser->setSearchPaths({ QStringLiteral(":/help") });
    QFile css(QStringLiteral(":/help/help.css"));
    if (css.open(QIODevice::ReadOnly))
        m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
    layout->addWidget(m_browser, 1);

    auto addAction
        = [this, bar](const char* name, const QString& text, QStyle::StandardPixmap icon, const QKeySequence& key) {
              QAction* a = bar->addAction(style()->standardIcon(icon), text);
              a->setObjectName(QString::fromLatin1(name));
              this->addAction(a); // its key works wherever the focus is in the window
              a->setShortcut(key);
              a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
              a->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
              return a;
          };
    QAction* back = addAction("actBack", tr("Back"), QStyle::SP_ArrowBack, QKeySequence::Back);
    QAction* forward = addAction("actForward", tr("Forward"), QStyle::SP_ArrowForward, QKeySequence::Forward);
    QAction* home
        = addAction("actContents", tr("Contents"), QStyle::SP_DirHomeIcon, QKeySequence(Qt::ALT | Qt::Key_Home));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { showSection(kContents); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    // The sections, to go straight to one.
    m_sections = new QComboBox(this);
    m_sections->setObjectName(QStringLiteral("cmbSection"));
    m_sections->setToolTip(tr("Topics"));
    for (const HelpSection& section : helpSections())
        m_sections->addItem(QCoreApplication::translate("HelpWindow", section.title.toUtf8().constData()), section.id);
    bar->addSeparator();
    bar->addWidget(m_sections);

    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::sourceChanged);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::linkClicked);
    connect(m_sections, qOverload<int>(&QComboBox::activated), this,
        [this](int index) { showSection(m_sections->itemData(index).toString()); });
    setFocusProxy(m_browser);
    showSection(kContents);
}

QSize HelpWindow::sizeHint() const { return QSize(kPictureWidth + 60, 700); }

void HelpWindow::showSection(const QString& section)
{
    bool known = false;
    for (const HelpSection& s : helpSections())
        known = known || s.id == section;
    m_browser->setSource(helpUrl(known ? section : kContents));
}

QString HelpWindow::currentSection() const { return QFileInfo(m_browser->source().path()).completeBaseName(); }

void HelpWindow::sourceChanged(const QUrl& url)
{
    // Links and Back move through the pages too; the list follows. (The
    // browser tells the new page before source() returns it.)
    const int index = m_sections->findData(QFileInfo(url.path()).completeBaseName());
    if (index >= 0)
        m_sections->setCurrentIndex(index);
}

void HelpWindow::linkClicked(const QUrl& url)
{
    const QUrl target = m_browser->source().resolved(url);
    if (target.scheme() != QLatin1String("qrc"))
        return; // the guide has no links out of the program
    if (target.path().endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        showPicture(this, QStringLiteral(":") + target.path());
        return;
    }
    m_browser->setSource(inLanguage(target));
}

HelpWindow* showHelp(const QString& section)
{
    Workspace* ws = workspace();
    if (!ws) {
        static QPointer<HelpWindow> alone;
        if (!alone) {
            alone = new HelpWindow;
            alone->setAttribute(Qt::WA_DeleteOnClose);
            alone->resize(alone->sizeHint());
        }
        alone->showSection(section);
        alone->show();
        alone->raise();
        alone->activateWindow();
        return alone;
    }
    HelpWindow* help = ws->find<HelpWindow>();
    QMdiSubWindow* frame = help ? qobject_cast<QMdiSubWindow*>(help->parentWidget()) : nullptr;
    if (!help) {
        help = new HelpWindow;
        frame = ws->add(help, Workspace::Placement::TopLeft);
        const QSize area = ws->area()->viewport()->size();
        const int width = qMin(frame->sizeHint().width(), area.width());
        frame->setGeometry(area.width() - width, 0, width, area.height());
    }
    help->showSection(section);
    if (frame) {
        frame->showNormal();
        ws->area()->setActiveSubWindow(frame);
    }
    help->setFocus();
    return help;
}

} // namespace pw
