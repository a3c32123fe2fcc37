#include "reports/ChartPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

double shown(double v)
{
    return std::isfinite(v) && v > 0 ? v : 0;
}

} // namespace

QString FormatThousands(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const double r = std::round(value);
    if (std::fabs(r) >= 1e18)
        return QString::number(r, 'f', 0);
    long long n = (long long)r;
    const bool negative = n < 0;
    unsigned long long u = negative ? 0ULL - (unsigned long long)n : (unsigned long long)n;
    QString digits = QString::number(u);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return negative ? u'-' + digits : digits;
}

double NiceAxisStep(double range, int ticks)
{
    if (!(range > 0) || !std::isfinite(range) || ticks < 1)
        return 1;
    const double raw = range / ticks;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / mag;
    return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * mag;
}

void PaintDonut(QPainter &p, const QRectF &area, const std::vector<TChartItem> &slices, const TDonutStyle &style)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double outer = std::min(area.width(), area.height()) / 2 - style.outlineWidth;
    if (outer <= 0) {
        p.restore();
        return;
    }
    const double inner = outer * std::clamp(style.holeRatio, 0.0, 0.95);
    const QPointF c = area.center();
    const QRectF outerRect(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerRect(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner);

    double total = 0;
    for (const auto &s : slices)
        total += shown(s.value);

    QPen pen(style.outline, style.outlineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    if (total <= 0) {
        QPainterPath ring;
        ring.addEllipse(outerRect);
        ring.addEllipse(innerRect);
        p.setBrush(QColor(0xD0, 0xD0, 0xD0));
        p.drawPath(ring);
        p.restore();
        return;
    }

    double angle = style.startAngle;
    struct Label { QString text; QPointF at; };
    std::vector<Label> labels;
    for (const auto &s : slices) {
        const double v = shown(s.value);
        if (v <= 0)
            continue;
        const double span = 360.0 * v / total;
        QPainterPath path;
        path.arcMoveTo(outerRect, angle);
        path.arcTo(outerRect, angle, span);
        path.arcTo(innerRect, angle + span, -span);
        path.closeSubpath();
        p.setBrush(s.color);
        p.drawPath(path);
        const double mid = (angle + span / 2) * M_PI / 180.0;
        const double r = (outer + inner) / 2;
        labels.push_back({s.label, QPointF(c.x() + r * std::cos(mid), c.y() - r * std::sin(mid))});
        angle += span;
    }
    // Labels last, so no slice paints over them.
    p.setFont(style.labelFont);
    p.setPen(style.labelColor);
    const QFontMetricsF fm(style.labelFont);
    for (const auto &l : labels) {
        const QSizeF size(fm.horizontalAdvance(l.text) + 2, fm.height());
        p.drawText(QRectF(l.at - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, l.text);
    }
    p.restore();
}

void PaintBarChart(QPainter &p, const QRectF &area, const std::vector<TChartItem> &bars, const TBarChartStyle &style)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF titleFm(style.titleFont), axisFm(style.axisLabelFont), valueFm(style.valueFont);

    QRectF rest = area;
    if (!style.title.isEmpty()) {
        p.setFont(style.titleFont);
        p.setPen(style.textColor);
        p.drawText(QRectF(rest.left(), rest.top(), rest.width(), titleFm.height()), Qt::AlignCenter, style.title);
        rest.setTop(rest.top() + titleFm.height() + 4);
    }

    double lo = 0, hi = 0;
    for (const auto &b : bars) {
        if (!std::isfinite(b.value))
            continue;
        lo = std::min(lo, b.value);
        hi = std::max(hi, b.value);
    }
    const double step = NiceAxisStep(hi - lo > 0 ? hi - lo : 1, 4);
    double top0 = std::ceil(hi / step) * step + (hi > 0 && std::fmod(hi, step) == 0 ? step : 0);
    const double bottom = std::floor(lo / step) * step;
    if (!(top0 > bottom))
        top0 = bottom + step;

    // Bar names keep their font where they can: on one line, else wrapped at
    // blanks, else smaller, so neighbours on a narrow chart never run
    // together. Their height sets the plot's, the plot's the axis top, whose
    // labels set the plot's width and so the room for the names: two passes.
    const int n = int(bars.size());
    QFont nameFont = style.axisLabelFont;
    int nameFlags = 0;
    double namesHeight = axisFm.height();
    double top = top0, axisWidth = 0;
    QRectF plot;
    for (int pass = 0; pass < 2; ++pass) {
        const double plotTop = rest.top() + valueFm.height() / 2;
        const double plotHeight = std::max(1.0, rest.height() - namesHeight - 6 - valueFm.height() / 2);
        // The tallest bar's mark needs room under the top of the axis, or it
        // runs into the title.
        const double markRoom = valueFm.height() + 4;
        top = top0;
        for (int i = 0; i < 20 && hi > 0 && (top - hi) / (top - bottom) * plotHeight < markRoom; ++i)
            top += step;
        axisWidth = 0;
        for (double v = bottom; v <= top + step / 2; v += step)
            axisWidth = std::max(axisWidth, valueFm.horizontalAdvance(FormatThousands(v)));
        plot = QRectF(rest.left() + axisWidth + 8, plotTop, std::max(1.0, rest.width() - axisWidth - 12), plotHeight);

        const double room = std::max(1.0, (n > 0 ? plot.width() / n : plot.width()) - 6);
        auto namesSize = [&](const QFont &f, int flags) {
            const QFontMetricsF fm(f);
            QSizeF size(0, fm.height());
            for (const auto &b : bars) {
                const QRectF r = fm.boundingRect(QRectF(0, 0, room, 1e4), flags | Qt::AlignHCenter, b.label);
                size = size.expandedTo(r.size());
            }
            return size;
        };
        nameFont = style.axisLabelFont;
        nameFlags = 0;
        QSizeF size = namesSize(nameFont, nameFlags);
        if (size.width() > room) {
            nameFlags = Qt::TextWordWrap;
            size = namesSize(nameFont, nameFlags);
            while (size.width() > room && nameFont.pointSizeF() > 6) {
                nameFont.setPointSizeF(nameFont.pointSizeF() - 0.5);
                size = namesSize(nameFont, nameFlags);
            }
        }
        namesHeight = size.height();
    }
    const double span = top - bottom;
    auto yOf = [&](double v) { return plot.bottom() - (v - bottom) / span * plot.height(); };

    // Value axis with ticks.
    p.setPen(QPen(style.axisColor, 1));
    p.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
    p.drawLine(QPointF(plot.left(), yOf(0)), QPointF(plot.right(), yOf(0)));
    p.setFont(style.valueFont);
    for (double v = bottom; v <= top + step / 2; v += step) {
        const double y = yOf(v);
        p.setPen(QPen(style.axisColor, 1));
        p.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
        p.setPen(style.textColor);
        p.drawText(QRectF(rest.left(), y - valueFm.height() / 2, axisWidth + 2, valueFm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, FormatThousands(v));
    }

    const double slot = n > 0 ? plot.width() / n : plot.width();
    // Marks wider than their bar's slot (millions on a narrow chart) get a
    // smaller font rather than being cut or running into the next mark.
    QFont markFont = style.valueFont;
    auto widestMark = [&](const QFont &f) {
        const QFontMetricsF fm(f);
        double w = 0;
        for (const auto &b : bars)
            w = std::max(w, fm.horizontalAdvance(FormatThousands(std::isfinite(b.value) ? b.value : 0)));
        return w;
    };
    while (widestMark(markFont) > slot - 6 && markFont.pointSizeF() > 6)
        markFont.setPointSizeF(markFont.pointSizeF() - 0.5);
    for (int i = 0; i < n; ++i) {
        const auto &b = bars[std::size_t(i)];
        const double v = std::isfinite(b.value) ? b.value : 0;
        const double x = plot.left() + slot * i + slot * 0.15;
        const double w = slot * 0.7;
        const QRectF bar = QRectF(QPointF(x, yOf(std::max(v, 0.0))), QPointF(x + w, yOf(std::min(v, 0.0))));
        p.setPen(QPen(style.barOutline, style.outlineWidth));
        p.setBrush(b.color);
        p.drawRect(bar);
        // The value mark sits just above the bar.
        p.setFont(markFont);
        p.setPen(style.textColor);
        const QString mark = FormatThousands(v);
        p.drawText(QRectF(x - slot * 0.15, bar.top() - valueFm.height() - 2, slot, valueFm.height()),
                   Qt::AlignHCenter | Qt::AlignBottom, mark);
        p.setFont(nameFont);
        p.drawText(QRectF(plot.left() + slot * i, plot.bottom() + 4, slot, std::max(namesHeight, rest.bottom() - plot.bottom() - 4)),
                   Qt::AlignHCenter | Qt::AlignTop | nameFlags, b.label);
    }
    p.restore();
}
