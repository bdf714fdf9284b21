#include "Bench.h"

#include "widgets/Context.h"
#include "app/Workspace.h"
#include "attendance/Attendance.h"
#include "attendance/AttendancePanel.h"
#include "attendance/AttendanceReports.h"
#include "attendance/frmAttendanceEntry.h"
#include "data/Clock.h"
#include "data/Database.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QListWidget>
#include <QMdiArea>
#include <stdexcept>

namespace pw::bench {

namespace {

    // The Sunday school class with the most people, made up to `size` with
    // people of no class (in the bench's copy of the church).
    qint64 classOf(Database& db, int size)
    {
        const qint64 id = db.scalar(QStringLiteral("SELECT Sunday_School_Class FROM Member WHERE Sunday_School_Class "
                                                   "IS NOT NULL GROUP BY Sunday_School_Class ORDER BY COUNT(*) DESC "
                                                   "LIMIT 1"))
                              .toLongLong();
        if (id <= 0)
            throw std::runtime_error("the church has no Sunday school class");
        const int has
            = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Sunday_School_Class = ?"), { id }).toInt();
        if (has < size)
            db.exec(QStringLiteral("UPDATE Member SET Sunday_School_Class = ? WHERE ID IN (SELECT ID FROM Member WHERE "
                                   "Sunday_School_Class IS NULL ORDER BY ID LIMIT ?)"),
                { id, size - has });
        return id;
    }

    // The statement with its values written in, for the stock library.
    QString withValues(QString sqlText, const QVariantList& params)
    {
        for (const QVariant& v : params) {
            const int at = int(sqlText.indexOf(QLatin1Char('?')));
            const QString literal = v.typeId() == QMetaType::QString
                ? QLatin1Char('\'') + v.toString() + QLatin1Char('\'')
                : v.toString();
            sqlText.replace(at, 1, literal);
        }
        return sqlText;
    }

} // namespace

void addAttendanceRows(BenchContext& context)
{
    Session session(context);
    Database* db = &session.db();
    QMdiArea area;
    Workspace workspace(&area);
    setWorkspace(&workspace);
    const qint64 history = db->scalar(QStringLiteral("SELECT COUNT(*) FROM Attendance")).toLongLong();
    const QString size = QStringLiteral("%1 people, %2 attendances").arg(context.people).arg(history);

    {
        const qint64 cls = classOf(*db, 200);
        {
            attendance::frmAttendanceEntry form;
            form.show();
            QApplication::processEvents();
            auto* classes = form.findChild<QComboBox*>(QStringLiteral("cmbClass"));
            auto* list = form.findChild<QListWidget*>(QStringLiteral("lstPeople"));
            const int at = classes->findData(cls);
            const int other = at == 0 ? 1 : 0;
            const double open = medianMs(
                context.runs,
                [&] {
                    classes->setCurrentIndex(at);
                    emit classes->activated(at);
                    QApplication::processEvents();
                },
                [&] {
                    classes->setCurrentIndex(other);
                    emit classes->activated(other);
                });
            if (list->count() < 200)
                throw std::runtime_error("the roll call did not list the class's 200 people");
            context.add({ QStringLiteral("roll call: a class of 200 opened"), size, open, -1 });
            int run = 0;
            const double save = medianMs(context.runs, [&] {
                // Half the class changes its tick each time.
                for (int i = run++ % 2; i < list->count(); i += 2)
                    list->item(i)->setCheckState(
                        list->item(i)->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
                if (!form.save())
                    throw std::runtime_error("the roll call was not saved");
            });
            context.add({ QStringLiteral("roll call: a class of 200 saved (100 ticks changed)"), size, save, -1 });
        }
        {
            const qint64 regular
                = db->scalar(QStringLiteral("SELECT Member_ID FROM Attendance GROUP BY Member_ID ORDER "
                                            "BY COUNT(*) DESC LIMIT 1"))
                      .toLongLong();
            QCalendarWidget calendar;
            QComboBox levels[5];
            attendance::AttendancePanel panel(
                &calendar, { &levels[0], &levels[1], &levels[2], &levels[3], &levels[4] });
            const double fill = medianMs(context.runs, [&] {
                panel.showPerson(regular);
                QApplication::processEvents();
            });
            context.add({ QStringLiteral("member screen: \"Attendance Info\" filled (a regular)"), size, fill, -1 });
        }
        {
            const attendance::NotSeenCriteria criteria { 26, 96, pw::clock().today().addDays(-56), QString() };
            std::size_t found = 0;
            const double read
                = medianMs(context.runs, [&] { found = attendance::notSeenLately(*db, criteria).size(); });
            QVariantList params;
            const QString sqlText = attendance::notSeenStatement(criteria, params);
            const double raw
                = context.onServer() ? -1 : rawQueryMs(context.church(), withValues(sqlText, params), context.runs);
            context.add({ QStringLiteral("\"Not Seen Lately\": 26 of 96 weeks, people read"),
                QStringLiteral("%1; %2 found").arg(size).arg(found), read, raw });
            if (!context.onServer()) {
                // The same question asked meeting by meeting (every attendance
                // of the weeks grouped by person), as the program once did:
                // the program's figure beside it shows what the shape saves.
                const QString before = criteria.before.toString(Qt::ISODate);
                const QString first = criteria.before.addDays(-7 * criteria.ofWeeks).toString(Qt::ISODate);
                const QString meetingByMeeting = QStringLiteral(
                    "SELECT Member.ID, Member.Last_Name, Member.First_Name, Member.Middle_Name, Member.Phone, "
                    "w.Last_Date, w.Weeks FROM (SELECT Member_ID, COUNT(DISTINCT (CAST(julianday('%1') - "
                    "julianday(Meeting_Date) AS INTEGER) - 1) / 7) AS Weeks, MAX(Meeting_Date) AS Last_Date FROM "
                    "Attendance WHERE Meeting_Date >= '%2' AND Meeting_Date < '%1' GROUP BY Member_ID) w JOIN "
                    "Member ON Member.ID = w.Member_ID WHERE w.Weeks >= %3 AND NOT EXISTS (SELECT 1 FROM "
                    "Attendance a WHERE a.Member_ID = w.Member_ID AND a.Meeting_Date >= '%1')")
                                                     .arg(before, first)
                                                     .arg(criteria.atLeast);
                qint64 rows = 0;
                const double earlier = rawQueryMs(context.church(), meetingByMeeting, context.runs, &rows);
                if (rows != qint64(found))
                    throw std::runtime_error("\"Not Seen Lately\" found other people than the meeting-by-meeting query");
                context.add({ QStringLiteral("\"Not Seen Lately\": people read, vs raw meeting-by-meeting query"),
                    QStringLiteral("%1; %2 found").arg(size).arg(found), read, earlier });
            }
            const double laidOut = medianMs(context.runs, [&] {
                const auto report = attendance::notSeenReport(criteria);
                report->paginate();
                consume(report->pageCount());
            });
            context.add({ QStringLiteral("\"Not Seen Lately\": report read and laid out"), size, laidOut, -1 });
        }
        {
            const double summary = medianMs(context.runs, [&] {
                const auto report = attendance::summaryReport(pw::clock().today());
                report->paginate();
                consume(report->pageCount());
            });
            context.add({ QStringLiteral("attendance summary: 52 weeks, report laid out"), size, summary, -1 });
        }
    }
}

} // namespace pw::bench
