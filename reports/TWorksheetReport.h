#pragma once
// The blank data entry worksheet: one page to fill in by hand.

#include "reports/TReport.h"

#include <QDate>

class TWorksheetReport {
public:
    static TReport Build(const QDate &printDate);
};
