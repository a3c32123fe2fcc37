#pragma once
// A report before layout: page set-up and its bands in the order they print.
// Data lines are already filled; the layout decides where pages break.

#include "reports/TReportBand.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include <vector>

struct TReportGroup {
    TReportBand header;
    std::vector<TReportBand> lines;
    TReportBand footer;
    bool keepTogether = true;
};

struct TReport {
    QPageSize::PageSizeId pageSize = QPageSize::Letter;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};

    TReportBand reportTitle;   // first page only
    TReportBand pageHeader;    // top of every page
    TReportBand columnHeader;  // once, above the first data line
    // Master data. Ungrouped data is one group without header and footer.
    // A group is kept on one page when it fits on an empty one.
    std::vector<TReportGroup> groups;
    TReportBand footer;        // after the last data line
    TReportBand summary;       // once, at the end
    TReportBand pageFooter;    // bottom of every page
    QColor oddLineFill = QColor(0xF5, 0xF5, 0xF5);  // white smoke

    QSizeF paperSizeMm() const
    {
        const QSizeF s = QPageSize(pageSize).size(QPageSize::Millimeter);
        return orientation == QPageLayout::Landscape ? s.transposed() : s;
    }
    double usableWidth() const { return paperSizeMm().width() - margins.left() - margins.right(); }
};
