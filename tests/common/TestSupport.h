#pragma once

#include "FakeReportOutput.h"

#include "widgets/Context.h"
#include "widgets/Desktop.h"
#include "widgets/FileChooser.h"
#include "widgets/Messages.h"
#include "data/Clock.h"
#include "data/Database.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <type_traits>

namespace pw::test {

// Records every message and answers questions from a script (Yes when the
// script is empty).
class FakeMessages : public Messages {
public:
    struct Entry {
        QString text;
        QString title;
        Icon icon;
        bool question;
        QStringList buttons = {}; // of a question with buttons of its own
    };

    void show(const QString& text, const QString& title, Icon icon = Icon::None) override
    {
        entries.append({ text, title, icon, false });
        // As after a message box, the focus then goes back to where it was when it came up.
        if (focusReturns)
            QTimer::singleShot(0, qApp, [had = QPointer<QWidget>(QApplication::focusWidget())] {
                if (had)
                    had->setFocus(Qt::ActiveWindowFocusReason);
            });
    }
    Answer ask(const QString& text, const QString& title, Icon icon = Icon::Question) override
    {
        entries.append({ text, title, icon, true });
        return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
    }

    // Answers questions with buttons of their own by the button's text from
    // the script (the default button when the script is empty).
    int choose(const QString& text, const QString& title, const QStringList& buttons, int defaultButton, int,
        Icon icon = Icon::Question) override
    {
        entries.append({ text, title, icon, true, buttons });
        if (choices.isEmpty())
            return defaultButton;
        const int chosen = static_cast<int>(buttons.indexOf(choices.takeFirst()));
        return chosen >= 0 ? chosen : defaultButton;
    }

    int count() const { return entries.size(); }
    Entry last() const { return entries.isEmpty() ? Entry { {}, {}, Icon::None, false } : entries.last(); }
    void clear() { entries.clear(); }

    QList<Entry> entries;
    QList<Answer> answers;
    QStringList choices; // button texts, e.g. "Discard"
    bool focusReturns = false;
};

// A clock that moves only when the test says so.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return monotonic; }
    void advanceSeconds(double s)
    {
        monotonic += static_cast<qint64>(s * 1000.0);
        current = current.addMSecs(static_cast<qint64>(s * 1000.0));
    }

    QDateTime current { QDate(2026, 3, 15), QTime(10, 30, 0) };
    qint64 monotonic = 1000000;
};

namespace detail {
    // Fails the running test, naming the control, what was asked for and what was found.
    void failMissingControl(const QObject* root, const QString& objectName, const char* type, const QObject* found);
} // namespace detail

// The control with this object name anywhere under root (a screen and its
// frames), as tests reach controls. When there is none, or it is no T, the
// running test fails with the name; a hidden stand-in owned by root is
// returned so the test goes on to its end without crashing.
template <class T> T* control(QObject* root, const QString& objectName)
{
    if (root) {
        if (T* found = root->findChild<T*>(objectName))
            return found;
    }
    detail::failMissingControl(
        root, objectName, T::staticMetaObject.className(), root ? root->findChild<QObject*>(objectName) : nullptr);
    if constexpr (std::is_abstract_v<T>) {
        return nullptr;
    } else if constexpr (std::is_base_of_v<QWidget, T>) {
        T* standIn = new T(qobject_cast<QWidget*>(root));
        standIn->hide();
        return standIn;
    } else {
        return new T(root);
    }
}

template <class T> T* control(QObject* root, const char* objectName)
{
    return control<T>(root, QString::fromLatin1(objectName));
}

// Answers every file dialog from a script (cancelled when the script is
// empty) and records what each one asked for.
class FakeFileChooser {
public:
    QString choose(const FileRequest& request)
    {
        asked.append(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QList<FileRequest> asked;
    QStringList answers;
};

// Records the links that would open the mail program and the text that
// would go to the clipboard.
class FakeDesktop : public Desktop {
public:
    bool openUrl(const QUrl& url) override
    {
        opened.append(url);
        return true;
    }
    void copyText(const QString& text) override { copied.append(text); }

    QList<QUrl> opened;
    QStringList copied;
};

// True when the tests run against a PostgreSQL server (PEWLARK_TEST_POSTGRES
// is set): tests of what only a database file has (its checks, backups,
// leftovers) skip there.
bool onServer();

// On the test server: a new empty database (no tables) under a name made
// of tag, replacing one of that name, dropped when the test program ends.
// Gives its postgresql:// location.
QString emptyServerDatabase(const QString& tag);

// A fresh database with schema and seed values in a temporary folder (a copy
// of a template built once per test program), and a fake for every
// replaceable piece of the context: messages, clock, report output, no
// printer, a print dialog the user cancels, file choosers, a settings file
// in the folder, a system-information tool that does not start, and a fresh
// type-ahead state. The destructor puts a default context back, so nothing
// leaks into the next test, also when a check failed halfway.
// Where a test's database is: where the test run is configured to put it,
// or always in a file (for what only a database file does: backups, locks
// of the file, damaged files).
enum class Where { Configured, File };

class TestEnv {
public:
    explicit TestEnv(Where where = Where::Configured);
    ~TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    Database& db() { return *database; }
    QString folder() const { return dir.path(); }

    // Adds a Member row and returns its identifier.
    qint64 addMember(const QString& first, const QString& last, const QString& status = QStringLiteral("Member"));
    // Adds a login account for a member; password stored as the program stores it.
    void addUser(
        qint64 memberId, const QString& username, const QString& password, const QString& type, bool inactive = false);
    void grant(qint64 memberId, const QString& permission);
    // Sets the current-user values as a login would.
    void loginAs(qint64 memberId, const QString& type, const QString& username = QStringLiteral("tester"));
    // Adds a "User" account that holds only this permission and logs it in;
    // returns the account's member identifier.
    qint64 loginWithOnly(const QString& permission);

    // The next row added to the table gets this identifier (to test
    // identifiers beyond 16 or 32 bits).
    void startIdsAt(const QString& table, qint64 next);
    // Makes every change of that kind to the table fail with the message,
    // as a disk or a lock would: event is "INSERT", "UPDATE", "DELETE" or
    // "UPDATE OF Column". Lasts for this test only.
    void refuseChanges(const QString& table, const QString& event, const QString& message);
    // On a server: a transaction that updated the table fails at COMMIT
    // itself, as a lock held elsewhere makes a file's commit fail.
    void failCommitsAfterUpdating(const QString& table);

    QTemporaryDir dir;
    std::unique_ptr<Database> database;
    QStringList m_serverTriggers; // "trigger ON table", dropped at the end of the test
    FakeMessages messages;
    FakeClock clock;
    FakeReportOutput output;
    FakeFileChooser files;
    FakeDesktop desktop;
};

} // namespace pw::test
