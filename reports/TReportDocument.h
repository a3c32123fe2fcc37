#pragma once
// A laid-out report: pages of objects placed in millimetres on the paper.

#include "reports/TReportObject.h"

#include <QPageLayout>
#include <QPageSize>
#include <QStringList>

#include <vector>

struct TReportPage {
    std::vector<TReportObject> objects;
};

class TReportDocument {
public:
    QPageSize::PageSizeId pageSize = QPageSize::Letter;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::vector<TReportPage> pages;

    int pageCount() const { return int(pages.size()); }
    QSizeF paperSizeMm() const;
    // Paper size and orientation with zero margins: objects are placed from
    // the paper's corner.
    QPageLayout pageLayout() const;

    // Every object with that name, page by page.
    std::vector<const TReportObject *> findAll(const QString &name) const;
    // The first object with that name, or null.
    const TReportObject *find(const QString &name) const;
    // Index of the page that holds `o`, or -1.
    int pageOf(const TReportObject *o) const;
    // The texts of a page in drawing order.
    QStringList texts(int page) const;
};
