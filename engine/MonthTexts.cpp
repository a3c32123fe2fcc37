#include "engine/MonthTexts.h"

QString FormatYrMo(int months)
{
    const int years = months / 12;
    const int rest = months % 12;
    QString text;
    if (years > 0)
        text = QStringLiteral("%1 Yr").arg(years);
    if (rest > 0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QStringLiteral("%1 Mo").arg(rest);
    }
    return text;
}

QString FormatYearsMonths(int months)
{
    const int years = months / 12;
    const int rest = months % 12;
    QString text;
    if (years > 0)
        text = years == 1 ? QStringLiteral("1 Year") : QStringLiteral("%1 Years").arg(years);
    if (rest > 0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += rest == 1 ? QStringLiteral("1 Month") : QStringLiteral("%1 Months").arg(rest);
    }
    return text;
}
