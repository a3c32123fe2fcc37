#pragma once
// The charts of the debt-reduction page and the savings report: one drawing
// code, styled by the caller. Paints on any QPainter, so screen, print and
// PDF look the same.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

struct TChartItem {
    QString label;
    double value = 0;
    QColor color;
};

struct TDonutStyle {
    double holeRatio = 0.5;      // of the outer radius
    double startAngle = 90;      // degrees, counter-clockwise from 3 o'clock
    QColor outline = Qt::white;
    double outlineWidth = 2;
    QColor labelColor = Qt::white;
    QFont labelFont;
};

struct TBarChartStyle {
    QString title;
    QFont titleFont;
    QColor textColor = Qt::black;
    QColor axisColor = QColor(0xA6, 0xA6, 0xA6);
    QFont axisLabelFont;         // bar names under the bars
    QFont valueFont;             // value axis and the marks above the bars
    QColor barOutline = Qt::white;
    double outlineWidth = 2;
};

// Slices in order from startAngle. Negative or non-finite values count as 0;
// with nothing to show the ring is drawn empty.
void PaintDonut(QPainter &p, const QRectF &area, const std::vector<TChartItem> &slices, const TDonutStyle &style);

// Bars side by side on a value axis formatted "#,##0", each with its value
// above it.
void PaintBarChart(QPainter &p, const QRectF &area, const std::vector<TChartItem> &bars, const TBarChartStyle &style);

// "#,##0": whole number, halves away from zero, comma thousands separators.
QString FormatThousands(double value);

// A "nice" axis step (1, 2 or 5 times a power of ten) for about `ticks` steps.
double NiceAxisStep(double range, int ticks);
