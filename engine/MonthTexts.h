#pragma once

#include <QString>

// Texts for a number of months, shared by the debt-reduction page and the reports.
// Zero and negative numbers give an empty text.

/// Short form: 163 -> "13 Yr 7 Mo", 24 -> "2 Yr", 5 -> "5 Mo".
QString FormatYrMo(int months);

/// Long form: 163 -> "13 Years 7 Months", 13 -> "1 Year 1 Month".
QString FormatYearsMonths(int months);
