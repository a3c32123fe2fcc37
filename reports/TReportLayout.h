#pragma once
// Places the bands of a report on pages.

#include "reports/TReport.h"
#include "reports/TReportDocument.h"

class TReportLayout {
public:
    static TReportDocument Layout(const TReport &report);
};
