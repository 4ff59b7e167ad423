#include "platform/UserCalendar.h"

#include <QDate>

namespace platform {

int currentYearInUserCalendar()
{
    return QDate::currentDate().year();
}

} // namespace platform
