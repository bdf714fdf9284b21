#include "attendance/AttendanceReports.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "reports/PageFrame.h"
#include "reports/Reports.h"
#include "widgets/Context.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace pw::attendance {

using namespace reports::detail;

namespace {

    struct AttendanceReports {
        Q_DECLARE_TR_FUNCTIONS(AttendanceReports)
    };

    reports::ReportPtr makeReport(const QString& title, std::function<Document()> layOut)
    {
        return reports::customReport(title, std::move(layOut));
    }

    QString shortDate(const QDate& d) { return d.toString(QStringLiteral("MM/dd/yyyy")); }

    constexpr double kNameWidth = 170.0;

} // namespace

reports::ReportPtr rollSheetReport(const services::Service& service, qint64 classId, const QDate& from, const QDate& to)
{
    auto sheet = std::make_shared<RollSheet>(rollSheet(db(), service, classId, from, to));
    const QDate today = clock().today();
    const QString heading
        = AttendanceReports::tr("%1%2, %3 to %4")
              .arg(service.nameText(), sheet->className.isEmpty() ? QString() : QStringLiteral(": ") + sheet->className,
                  shortDate(from), shortDate(to));
    return makeReport(AttendanceReports::tr("Class Roll Sheet"), [sheet, heading, today] {
        const int dates = int(sheet->dates.size());
        const double cell = dates > 0 ? std::min(34.0, (kContentWidth - kNameWidth) / dates) : 34.0;
        Flow flow;
        flow.addRow(headingRow(heading));
        const Style& caption = style(StyleId::Caption);
        const Row header { caption.lineHeight + 8, [sheet, cell](QPainter& p, double top) {
                              p.fillRect(
                                  QRectF(kContentLeft, top, kContentWidth, style(StyleId::Caption).lineHeight + 6),
                                  QColor(232, 232, 232));
                              drawLine(p, style(StyleId::Caption), kContentLeft + 3, top + 3, kNameWidth,
                                  AttendanceReports::tr("Name"));
                              double x = kContentLeft + kNameWidth;
                              for (const QDate& d : sheet->dates) {
                                  drawLine(p, style(StyleId::Caption), x, top + 3, cell,
                                      d.toString(QStringLiteral("MM/dd")), Qt::AlignHCenter);
                                  x += cell;
                              }
                          } };
        flow.setPageHeader({ header });
        flow.addRow(header);
        if (sheet->people.empty())
            flow.addRow(lineRow(AttendanceReports::tr("Nobody is in this class yet."), StyleId::Body, 2));
        for (const Person& person : sheet->people) {
            const Style& body = style(StyleId::Body);
            flow.addRow(
                Row { body.lineHeight + 8, [sheet, person, cell, today](QPainter& p, double top) {
                         const Style& s = style(StyleId::Body);
                         drawLine(p, s, kContentLeft + 3, top + 4, kNameWidth - 6, person.name);
                         double x = kContentLeft + kNameWidth;
                         const double box = std::min(cell - 6, s.lineHeight + 2);
                         for (const QDate& d : sheet->dates) {
                             const QRectF r(x + (cell - box) / 2, top + 3, box, box);
                             const bool present = sheet->present.contains({ person.id, d });
                             if (present || d > today) {
                                 p.setPen(QPen(Qt::black, 0.6));
                                 p.drawRect(r);
                             }
                             if (present)
                                 drawLine(p, s, r.left(), r.top(), r.width(), QString(QChar(0x2713)), Qt::AlignHCenter);
                             x += cell;
                         }
                         drawRule(p, kContentLeft, kContentLeft + kContentWidth, top + s.lineHeight + 7, 0.3,
                             QColor(180, 180, 180));
                     } });
        }
        return flow.finish();
    });
}

reports::ReportPtr summaryReport(const QDate& to)
{
    const QDate lastWeek = weekStart(to);
    const QDate firstWeek = lastWeek.addDays(-7 * 51);
    auto counts = std::make_shared<std::vector<WeekCount>>(summary(db(), firstWeek, lastWeek.addDays(6)));
    return makeReport(AttendanceReports::tr("Attendance Summary"), [counts, firstWeek, lastWeek] {
        const std::vector<services::Service>& all = services::all();
        // People per week and service, 52 weeks.
        QHash<QString, QVector<int>> people;
        QHash<QString, QVector<int>> heads;
        QHash<QString, QVector<bool>> hasHeads;
        for (const services::Service& s : all) {
            people[s.codeText()] = QVector<int>(52, 0);
            heads[s.codeText()] = QVector<int>(52, 0);
            hasHeads[s.codeText()] = QVector<bool>(52, false);
        }
        int highest = 1;
        for (const WeekCount& w : *counts) {
            const int i = int(firstWeek.daysTo(w.week) / 7);
            if (i < 0 || i >= 52 || !people.contains(w.service))
                continue;
            people[w.service][i] = w.people;
            heads[w.service][i] = w.headcount;
            hasHeads[w.service][i] = w.hasHeadcount;
            highest = std::max(highest, w.people);
        }
        static const QColor colors[] = { QColor(31, 119, 180), QColor(214, 39, 40), QColor(44, 160, 44),
            QColor(148, 103, 189), QColor(255, 127, 14) };

        Flow flow;
        flow.addRow(headingRow(AttendanceReports::tr("People recorded per week, %1 to %2")
                                   .arg(shortDate(firstWeek), shortDate(lastWeek.addDays(6)))));
        constexpr double kChartHeight = 220.0;
        flow.addRow(Row { kChartHeight + 30, [=](QPainter& p, double top) {
                             const QRectF area(kContentLeft + 34, top + 8, kContentWidth - 44, kChartHeight - 30);
                             p.setPen(QPen(Qt::black, 0.6));
                             p.drawLine(area.bottomLeft(), area.bottomRight());
                             p.drawLine(area.bottomLeft(), area.topLeft());
                             const Style& small = sansStyle(7);
                             for (int g = 0; g <= 4; ++g) {
                                 const double y = area.bottom() - area.height() * g / 4;
                                 drawRule(p, area.left(), area.right(), y, 0.2, QColor(200, 200, 200));
                                 drawLine(p, small, kContentLeft, y - small.lineHeight / 2, 30,
                                     QString::number(highest * g / 4), Qt::AlignRight);
                             }
                             for (int i = 0; i < 52; i += 13)
                                 drawLine(p, small, area.left() + area.width() * i / 51 - 20, area.bottom() + 3, 40,
                                     firstWeek.addDays(7 * i).toString(QStringLiteral("MM/dd/yy")), Qt::AlignHCenter);
                             double legendX = area.left();
                             for (std::size_t k = 0; k < all.size(); ++k) {
                                 const QVector<int>& series = people.value(all[k].codeText());
                                 QPainterPath path;
                                 for (int i = 0; i < 52; ++i) {
                                     const QPointF pt(area.left() + area.width() * i / 51,
                                         area.bottom() - area.height() * series[i] / highest);
                                     i == 0 ? path.moveTo(pt) : path.lineTo(pt);
                                 }
                                 p.setPen(QPen(colors[k % 5], 1.2));
                                 p.setBrush(Qt::NoBrush);
                                 p.drawPath(path);
                                 const double ly = top + kChartHeight - 4;
                                 p.drawLine(QPointF(legendX, ly + 4), QPointF(legendX + 14, ly + 4));
                                 drawLine(p, small, legendX + 17, ly, 90, all[k].nameText());
                                 legendX += 106;
                             }
                         } });
        std::vector<Column> columns { { AttendanceReports::tr("Week of"), 70 } };
        for (const services::Service& s : all)
            columns.push_back(
                { s.nameText() + AttendanceReports::tr(" (people / headcount)"), (kContentWidth - 70) / 5 });
        flow.setPageHeader({ tableHeader(columns) });
        flow.addRow(tableHeader(columns));
        for (int i = 51; i >= 0; --i) {
            QStringList cells { shortDate(firstWeek.addDays(7 * i)) };
            for (const services::Service& s : all) {
                const QString code = s.codeText();
                cells << QStringLiteral("%1 / %2")
                             .arg(people[code][i])
                             .arg(hasHeads[code][i] ? QString::number(heads[code][i]) : QStringLiteral("-"));
            }
            flow.addRow(tableRow(columns, cells));
        }
        return flow.finish();
    });
}

reports::ReportPtr notSeenReport(const NotSeenCriteria& criteria)
{
    auto found = std::make_shared<std::vector<NotSeen>>(notSeenLately(db(), criteria));
    const services::Service* service = services::byCode(criteria.service);
    const QString heading
        = AttendanceReports::tr("Attended %1 or more of the %2 weeks before %3 and not since%4: %5 %6")
              .arg(criteria.atLeast)
              .arg(criteria.ofWeeks)
              .arg(shortDate(criteria.before),
                  service ? QStringLiteral(" (") + service->nameText() + QLatin1Char(')') : QString())
              .arg(found->size())
              .arg(found->size() == 1 ? AttendanceReports::tr("person") : AttendanceReports::tr("people"));
    return makeReport(AttendanceReports::tr("Not Seen Lately"), [found, heading, criteria] {
        const std::vector<Column> columns { { AttendanceReports::tr("Name"), 220 },
            { AttendanceReports::tr("Phone"), 110 }, { AttendanceReports::tr("Last Attended"), 110 },
            { AttendanceReports::tr("Weeks"), kContentWidth - 440 } };
        Flow flow;
        flow.addRow(headingRow(heading));
        flow.setPageHeader({ tableHeader(columns) });
        flow.addRow(tableHeader(columns));
        for (const NotSeen& n : *found)
            flow.addRow(tableRow(columns,
                { n.name, reports::formatPhone(n.phone), shortDate(n.lastAttended),
                    AttendanceReports::tr("%1 of %2").arg(n.weeks).arg(criteria.ofWeeks) }));
        return flow.finish();
    });
}

} // namespace pw::attendance
