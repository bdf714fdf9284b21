// The user guide: every section has a page whose links and pictures are
// there, each window opens its section, the guide opens once inside the
// main window, and it names the menu commands and permissions as the
// program does.

#include "widgets/Context.h"
#include "app/HelpWindow.h"
#include "app/MDI.h"
#include "app/Permissions.h"
#include "app/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTextBrowser>
#include <QtTest>

using namespace pw;

namespace {

QString pageSource(const QString& section)
{
    QFile file(QStringLiteral(":/help/%1.html").arg(section));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The text of the whole guide as a reader sees it, blanks and line ends
// run together.
QString guideText()
{
    HelpWindow help;
    QString text;
    for (const HelpSection& s : helpSections()) {
        help.showSection(s.id);
        text += help.browser()->toPlainText() + QLatin1Char(' ');
    }
    return text.replace(QChar::Nbsp, QLatin1Char(' ')).replace(QRegularExpression(QStringLiteral("\\s+")), " ");
}

void closeTopLevels()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        setWorkspace(nullptr);
        closeTopLevels();
    }

    void everySectionHasItsPage_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("title");
        for (const HelpSection& s : helpSections())
            QTest::newRow(qPrintable(s.id)) << s.id << s.title;
    }
    void everySectionHasItsPage()
    {
        QFETCH(QString, section);
        QFETCH(QString, title);
        HelpWindow help;
        help.showSection(section);
        QCOMPARE(help.currentSection(), section);
        QCOMPARE(help.browser()->documentTitle(), title);
        QCOMPARE(help.findChild<QComboBox*>("cmbSection")->currentText(), title);
        QVERIFY(help.browser()->toPlainText().size() > 300);

        // Every link and picture of the page is among the program's resources.
        const QString html = pageSource(section);
        static const QRegularExpression reference(QStringLiteral("(href|src)=\"([^\"]+)\""));
        for (auto it = reference.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            const QUrl target = helpUrl(section).resolved(QUrl(m.captured(2)));
            QCOMPARE(target.scheme(), QStringLiteral("qrc"));
            const QString resource = QStringLiteral(":") + target.path();
            QVERIFY2(QFile::exists(resource), qPrintable(m.captured(2) + " in " + section));
            if (m.captured(1) == QLatin1String("src")) {
                // The pictures fit the screen they were taken on, and the
                // page shows them narrow enough to read beside a screen.
                const QImage picture(resource);
                QVERIFY2(!picture.isNull() && picture.width() <= 1280 && picture.height() <= 800, qPrintable(resource));
                const QImage shown
                    = help.browser()->document()->resource(QTextDocument::ImageResource, target).value<QImage>();
                QVERIFY2(!shown.isNull(), qPrintable(resource));
                QVERIFY2(shown.width() <= 600, qPrintable(QString::number(shown.width())));
            }
        }
    }

    void windowOpensItsSection_data()
    {
        // F1 in a window: a few windows for the way there; that every screen
        // has a topic of its own is checked below.
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("section");
        QTest::newRow("member screen") << "frmMemberEntry"
                                       << "people";
        QTest::newRow("report viewer") << "Viewer"
                                       << "printing";
        QTest::newRow("main window") << "MDI"
                                     << "getting-started";
        QTest::newRow("a window the guide does not know") << "frmSomethingNew"
                                                          << "getting-started";
    }
    void windowOpensItsSection()
    {
        QFETCH(QString, window);
        QFETCH(QString, section);
        HelpWindow* help = showHelp(helpSectionFor(window));
        QVERIFY(help);
        QCOMPARE(help->currentSection(), section);
        QVERIFY(help->isVisible());
    }

    void everyScreenOfTheMenuHasItsSection()
    {
        // Only the church's setup is explained under getting started.
        for (const auto& entry : MDI::commands()) {
            const QString window = entry.second.window;
            if (window.isEmpty() || window == QLatin1String("frmChurchInfo"))
                continue;
            QVERIFY2(helpSectionFor(window) != QLatin1String("getting-started"), qPrintable(window));
        }
    }

    void unknownSectionShowsTheContents()
    {
        HelpWindow help;
        help.showSection(QStringLiteral("families"));
        help.showSection(QStringLiteral("no-such-topic"));
        QCOMPARE(help.currentSection(), QStringLiteral("contents"));
    }

    void opensOnceInsideTheMainWindow()
    {
        QMdiArea area;
        area.resize(1280, 760);
        area.show();
        Workspace ws(&area);
        setWorkspace(&ws);

        HelpWindow* first = showHelp(QStringLiteral("families"));
        HelpWindow* second = showHelp(QStringLiteral("printing"));
        QCOMPARE(second, first);
        QCOMPARE(area.subWindowList().size(), 1);
        QMdiSubWindow* frame = area.subWindowList().first();
        QCOMPARE(frame->widget(), first);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Pewlark Help"));
        QCOMPARE(area.activeSubWindow(), frame);
        QCOMPARE(first->currentSection(), QStringLiteral("printing"));
        // At the right of the work area, as high as it is, so the screen
        // being explained stays in view on the left.
        const QRect viewport = area.viewport()->rect();
        QCOMPARE(frame->geometry().right(), viewport.right());
        QCOMPARE(frame->geometry().top(), 0);
        QCOMPARE(frame->height(), viewport.height());
        QVERIFY(frame->width() < viewport.width() * 2 / 3);
    }

    void linksPicturesAndBack()
    {
        HelpWindow help;
        help.show();
        auto* browser = help.browser();
        auto* sections = help.findChild<QComboBox*>("cmbSection");
        emit browser->anchorClicked(QUrl(QStringLiteral("families.html")));
        QCOMPARE(help.currentSection(), QStringLiteral("families"));
        QCOMPARE(sections->currentData().toString(), QStringLiteral("families"));
        help.findChild<QAction*>("actBack")->trigger();
        QCOMPARE(help.currentSection(), QStringLiteral("contents"));
        QCOMPARE(sections->currentData().toString(), QStringLiteral("contents"));
        help.findChild<QAction*>("actForward")->trigger();
        QCOMPARE(help.currentSection(), QStringLiteral("families"));
        // The toolbar's keys work with the focus in the page.
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        browser->setFocus();
        QTest::keySequence(browser, QKeySequence(Qt::ALT | Qt::Key_Home));
        QCOMPARE(help.currentSection(), QStringLiteral("contents"));
        QTest::keySequence(browser, QKeySequence::Back);
        QCOMPARE(help.currentSection(), QStringLiteral("families"));

        // Choosing a topic in the list goes there.
        const int users = sections->findData(QStringLiteral("users"));
        sections->setCurrentIndex(users);
        emit sections->activated(users);
        QCOMPARE(help.currentSection(), QStringLiteral("users"));

        // Nothing leaves the program.
        emit browser->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
        QCOMPARE(help.currentSection(), QStringLiteral("users"));

        // A picture opens at full size in a window of its own.
        help.showSection(QStringLiteral("people"));
        emit browser->anchorClicked(QUrl(QStringLiteral("images/member-contact-info.png")));
        QScrollArea* picture = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmHelpPicture") && w->isVisible())
                picture = qobject_cast<QScrollArea*>(w);
        QVERIFY(picture);
        const QImage original(QStringLiteral(":/help/images/member-contact-info.png"));
        QCOMPARE(qobject_cast<QLabel*>(picture->widget())->pixmap().size(), original.size());
        QCOMPARE(help.currentSection(), QStringLiteral("people"));
    }

    void guideUsesTheProgramsOwnWords_data()
    {
        QTest::addColumn<QString>("words");
        for (const auto& entry : MDI::commands()) {
            const QString caption = QString(entry.second.caption).remove(QLatin1Char('&')); // access keys
            QTest::newRow(qPrintable("menu " + caption)) << caption;
        }
        for (const QString& permission :
            { perm::MemberView, perm::MemberEntry, perm::ProspectContactEntry, perm::SSClassEntry, perm::DTClassEntry,
                perm::WedClassEntry, perm::CareGroupEntry, perm::ResponsibilityEntry, perm::OutreachPhaseEntry,
                perm::UserPermissions, perm::ChurchInfo, perm::MemberInfoUpdateReport, perm::VisitationSheetReport,
                perm::MemberNavigatorReport, perm::ProspectNavigatorReport, perm::MailingLabelsReport })
            QTest::newRow(qPrintable("permission " + permission)) << "\"" + permission + "\"";
        for (const QString& refusal :
            { refusal::View, refusal::Save, refusal::Remove, refusal::Edit, refusal::ViewReport })
            QTest::newRow(qPrintable(refusal)) << "\"" + refusal + "\"";
    }
    void guideUsesTheProgramsOwnWords()
    {
        QFETCH(QString, words);
        static const QString text = guideText();
        QVERIFY2(text.contains(words), qPrintable(words));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
