#pragma once
// One thing drawn on a report page. Geometry is in millimetres: relative to
// its band while a report is described, relative to the paper's top left
// corner once laid out.

#include "reports/ChartPainter.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include <vector>

enum class TFrameStyle { Single, Double };

struct TReportObject {
    enum Kind { Text, Picture, Donut, BarChart, RoundRect };

    Kind kind = Text;
    QString name;
    QRectF rect;

    // Text
    QString text;
    QString fontFamily = QStringLiteral("Arial");
    double fontSize = 10;  // points
    bool bold = false;
    bool underline = false;
    QColor textColor = Qt::black;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;

    // Background and frame
    QColor fill;                 // invalid: transparent
    bool oddLineFill = false;    // data lines: `fill` only on lines 1, 3, 5 ...
    Qt::Edges frames;
    QColor frameColor = Qt::black;
    double frameWidth = 0.2;     // mm
    TFrameStyle frameStyle = TFrameStyle::Single;
    double radius = 0;           // RoundRect corner radius, mm

    // Picture: scaled to `rect`.
    QImage picture;

    // Charts
    std::vector<TChartItem> chart;
    TDonutStyle donutStyle;
    TBarChartStyle barStyle;

    static TReportObject MakeText(const QString &name, const QRectF &rect, const QString &text, double size = 10,
                                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
    {
        TReportObject o;
        o.name = name;
        o.rect = rect;
        o.text = text;
        o.fontSize = size;
        o.align = align;
        return o;
    }
};
