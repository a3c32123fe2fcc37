#pragma once
// A horizontal strip of a report: a height and the objects in it.

#include "reports/TReportObject.h"

#include <vector>

struct TReportBand {
    double height = 0;  // mm; 0 means the band is absent
    std::vector<TReportObject> objects;

    bool present() const { return height > 0; }
    TReportObject &add(TReportObject o)
    {
        objects.push_back(std::move(o));
        return objects.back();
    }
};
