#pragma once
// An on-screen chart: a widget that paints one series with the shared chart
// painter, so the page and the printed reports draw alike.

#include "reports/ChartPainter.h"

#include <QObject>
#include <QWidget>

#include <vector>

// The values a chart shows, in drawing order. Changing them does not repaint;
// the owner repaints the chart when it is done.
class TChartSeries : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void Add(double value, const QString &label, const QColor &color);
    int Count() const { return int(m_items.size()); }
    // 0 for an index outside the series.
    double Value(int index) const;
    void SetValue(int index, double value);
    const std::vector<TChartItem> &Items() const { return m_items; }

private:
    std::vector<TChartItem> m_items;
};

class TChartView : public QWidget {
    Q_OBJECT
public:
    enum TChartKind { ckDonut, ckBars };

    TChartView(TChartKind kind, const QString &seriesName, QWidget *parent = nullptr);

    TChartSeries *Series() const { return m_series; }
    TChartKind Kind() const { return m_kind; }

    // The chart paints its own background, whatever the style sheet says.
    QColor Background() const { return m_background; }
    void SetBackground(const QColor &color);

    TDonutStyle donutStyle;
    TBarChartStyle barStyle;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TChartKind m_kind;
    TChartSeries *m_series;
    QColor m_background = Qt::white;
};
