#pragma once
// The number and date formats of the report layouts.

#include <QDate>
#include <QString>

// "%2.0n" / "%2.2n" / "#,##0.00": comma thousands separators, `decimals`
// places, halves away from zero. Never "-0".
QString FormatNumber(double value, int decimals);

// "mm/dd/yyyy", e.g. 06/05/2026.
QString FormatDateMDY(const QDate &date);

// "mmmm yyyy", e.g. June 2026.
QString FormatMonthYear(const QDate &date);

// Shortest decimal text that reads back as the same value: 100, 232.5.
QString FormatShortest(double value);
