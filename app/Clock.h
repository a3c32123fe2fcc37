#pragma once
// "Today" goes through here so that tests can fix the date.

#include <QDate>

#include <functional>

struct Clock {
    // Local calendar date; tests may replace the source.
    static QDate Today();
    static inline std::function<QDate()> Override;
};
