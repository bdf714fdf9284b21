#include "data/Services.h"

namespace pw::services {

const std::vector<Service>& all()
{
    static const std::vector<Service> services = {
        { "SS", QT_TRANSLATE_NOOP("Services", "Sunday School"), "Sunday_School", "Sunday_School_Class",
            "Sunday_School_Attendance_Level", 7 },
        { "WS", QT_TRANSLATE_NOOP("Services", "Worship Service"), "", "", "Worship_Service_Attendance_Level", 7 },
        { "DT", QT_TRANSLATE_NOOP("Services", "Discipleship Training"), "Discipleship_Training",
            "Discipleship_Training_Class", "Discipleship_Training_Attendance_Level", 7 },
        { "SE", QT_TRANSLATE_NOOP("Services", "Sunday Evening Service"), "", "",
            "Sunday_Evening_Service_Attendance_Level", 7 },
        { "WN", QT_TRANSLATE_NOOP("Services", "Wednesday Night"), "Wednesday_Night", "Wednesday_Night_Class",
            "Wednesday_Night_Attendance_Level", 3 },
    };
    return services;
}

const Service* byCode(const QString& code)
{
    for (const Service& s : all())
        if (code == QLatin1String(s.code))
            return &s;
    return nullptr;
}

} // namespace pw::services
