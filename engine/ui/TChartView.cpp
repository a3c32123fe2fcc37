#include "engine/ui/TChartView.h"

#include <QPainter>

void TChartSeries::Add(double value, const QString &label, const QColor &color)
{
    m_items.push_back({label, value, color});
}

double TChartSeries::Value(int index) const
{
    return index >= 0 && index < Count() ? m_items[std::size_t(index)].value : 0;
}

void TChartSeries::SetValue(int index, double value)
{
    if (index >= 0 && index < Count())
        m_items[std::size_t(index)].value = value;
}

TChartView::TChartView(TChartKind kind, const QString &seriesName, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_series(new TChartSeries(this))
{
    m_series->setObjectName(seriesName);
    // Every pixel is ours: skip the style sheet's background.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TChartView::SetBackground(const QColor &color)
{
    m_background = color;
    update();
}

void TChartView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF area = rect();
    p.fillRect(area, m_background);
    if (m_kind == ckDonut)
        PaintDonut(p, area.adjusted(6, 6, -6, -6), m_series->Items(), donutStyle);
    else
        PaintBarChart(p, area.adjusted(4, 4, -4, -4), m_series->Items(), barStyle);
}
