#pragma once
// Bands shared by the report layouts: the plan header and the page footer.

#include "reports/TReportBand.h"
#include "reports/TReportTitle.h"

#include <QDate>
#include <QImage>

// "  Payoff Summary Report: " from "Payoff Summary Report": two blanks, the
// trimmed caption without control characters, a colon and a blank.
QString ReportTitlePrefix(const QString &caption);

// The application's logo for the top left corner of a report.
QImage ReportLogo();

// The header of the summary and monthly reports: title, start month,
// strategy, pledge money and the print date. 32 mm high.
TReportBand SharedHeaderBand(const QString &titlePrefix, const TReportTitle &title, const QDate &printDate,
                             double width, double labelX, double valueX);

// The page footer: notice line at the left, web address at the right, a thin
// rule on top. 6 mm high.
TReportBand SharedPageFooterBand(const QDate &printDate, double width);

// The "Date Printed:" label and the print date in the given cells.
void AddPrintDate(TReportBand &band, const QDate &printDate, const QRectF &label, const QRectF &value);
