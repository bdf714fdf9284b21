#pragma once

// Name labels and parent stubs of a check-in, laid out one per label on the
// label printer's own page size, printed through the system printer or
// written to PDF. The size is a setting of the station (this computer), as
// each station has its own printer.

#include "checkin/Checkin.h"

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace pw::reports {
class Report;
}

namespace pw::checkin {

struct LabelSize {
    QString name; // "62 x 29 mm", "2-1/4 x 1-1/4 in"
    QSizeF millimetres; // width x height, landscape
};
// The common sizes of thermal label printers, the first the default.
const std::vector<LabelSize>& labelSizes();
// The station's size (kept on this computer), the default when none is chosen.
LabelSize stationLabelSize();
void setStationLabelSize(const QString& name);

// One child's name label: first name large, last name, class, the allergy
// note when there is one, the date and the code.
struct NameLabel {
    QString firstName, lastName, className, allergy, code;
    QDate day;
};
// The parent's stub: the code and the children's first names.
struct Stub {
    QString code;
    QStringList names;
    QDate day;
};

// The labels of a check-in: one per person checked in (or reprinted), then
// the stub.
struct LabelRun {
    std::vector<NameLabel> labels;
    Stub stub;
};
// The run for these check-in rows (all under one code).
LabelRun labelRun(const std::vector<CheckinRow>& rows);

// The labels laid out as a report of label-sized pages (through the
// reports' output, so tests capture the pages).
std::shared_ptr<const reports::Report> labelReport(const LabelRun& run, const LabelSize& size);
// Prints the run on the station's printer (preview false) or shows it in the
// viewer (true); returns whether it was printed or shown.
bool printLabels(const LabelRun& run, bool preview);
// A test page: a sample name label and stub in the station's size, with the
// size's name.
bool printTestLabels(bool preview);

} // namespace pw::checkin
