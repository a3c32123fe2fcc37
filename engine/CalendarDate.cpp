#include "engine/CalendarDate.h"

#include <QStringList>

#include <algorithm>
#include <charconv>

using namespace std::chrono;

namespace {

year_month_day ClampedDay(const year_month& ym, const day& wanted)
{
    const day last = year_month_day_last(ym.year(), month_day_last(ym.month())).day();
    return ym / std::min(wanted, last);
}

int ToInt(const QString& part)
{
    const QByteArray bytes = part.toUtf8();
    const char* first = bytes.constData();
    const char* const end = first + bytes.size();
    if (first != end && *first == '+')
        ++first;
    const bool digitsOnly = first != end && std::all_of(first, end, [](char c) { return c >= '0' && c <= '9'; });
    int value = 0;
    if (!digitsOnly || std::from_chars(first, end, value).ec != std::errc())
        throw TConversionError("'" + part.toStdString() + "' is not a valid integer value");
    return value;
}

} // namespace

year_month_day AddOneMonth(const year_month_day& date)
{
    return ClampedDay(year_month(date.year(), date.month()) + months(1), date.day());
}

year_month_day AddMonths(const year_month_day& start, int count)
{
    return ClampedDay(year_month(start.year(), start.month()) + months(count), start.day());
}

QString ToIsoDate(const year_month_day& date)
{
    return QString::asprintf("%04d-%02u-%02u", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                             static_cast<unsigned>(date.day()));
}

year_month_day ParseIsoDate(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 3)
        throw TConversionError("Invalid date format: " + text.toStdString());
    const int y = ToInt(parts[0]);
    const int m = ToInt(parts[1]);
    const int d = ToInt(parts[2]);
    // Range checks first: year/month/day constructors truncate out-of-range values.
    const bool inRange = y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= 31;
    const year_month_day date{year(inRange ? y : 1), month(inRange ? static_cast<unsigned>(m) : 1),
                              day(inRange ? static_cast<unsigned>(d) : 1)};
    if (!inRange || !date.ok())
        throw TConversionError("Invalid argument to date encode");
    return date;
}

QDate ToQDate(const year_month_day& date)
{
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

year_month_day FromQDate(const QDate& date)
{
    return year_month_day{year(date.year()), month(static_cast<unsigned>(date.month())),
                          day(static_cast<unsigned>(date.day()))};
}
