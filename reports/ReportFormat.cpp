#include "reports/ReportFormat.h"

#include <QLocale>

#include <cmath>

QString FormatNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0;
    const double scale = std::pow(10.0, decimals);
    // The tiny nudge keeps 0.125 stored as 0.12499999 rounding like the
    // decimal it stands for.
    double scaled = std::round(std::abs(value) * scale * (1 + 1e-15));
    const bool negative = value < 0 && scaled != 0;
    QString digits = QString::number(scaled / scale, 'f', decimals);
    const qsizetype dot = digits.indexOf(u'.');
    qsizetype intEnd = dot < 0 ? digits.size() : dot;
    for (qsizetype i = intEnd - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return negative ? u'-' + digits : digits;
}

QString FormatDateMDY(const QDate &date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

QString FormatMonthYear(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("MMMM yyyy"));
}

QString FormatShortest(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}
