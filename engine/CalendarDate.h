#pragma once

#include <QDate>
#include <QString>

#include <chrono>
#include <stdexcept>

// Calendar days as the engine uses them; the database keeps them as "YYYY-MM-DD" text.

/// Raised when a text cannot be read as a date.
class TConversionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// The same day one calendar month later, clamped to the last day of a shorter month.
/// Schedules step with this, so a clamped day stays clamped: Jan 31 -> Feb 28 -> Mar 28.
std::chrono::year_month_day AddOneMonth(const std::chrono::year_month_day& date);

/// The same day `months` calendar months after `start`, clamped to the last day of the
/// target month; counted from `start` itself, so Jan 31 + 2 is Mar 31.
std::chrono::year_month_day AddMonths(const std::chrono::year_month_day& start, int months);

/// "YYYY-MM-DD".
QString ToIsoDate(const std::chrono::year_month_day& date);

/// Reads "YYYY-MM-DD". Throws TConversionError with "Invalid date format: <text>" unless the
/// text has exactly three parts separated by "-", and also when a part is not an integer or
/// the date does not exist (years 1 to 9999).
std::chrono::year_month_day ParseIsoDate(const QString& text);

QDate ToQDate(const std::chrono::year_month_day& date);
std::chrono::year_month_day FromQDate(const QDate& date);
