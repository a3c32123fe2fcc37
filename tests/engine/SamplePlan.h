#pragma once

#include "engine/PaymentPlan.h"
#include "engine/TEngineLog.h"

#include <QStringList>

#include <chrono>

std::chrono::year_month_day Ymd(int y, unsigned m, unsigned d);

TDebts Debt(int priority, const char* type, const char* creditor, double apr, double balance, double payment,
            double omi = 0);

/// The shipped sample plan "Sample 2": five debts in priority order, two one-offs,
/// filled and initialised the way a caller loads a snapshot.
TPaymentPlan MakeSample2();

/// Collects the developer log.
class TLogLines : public TEngineLog
{
public:
    void AddLogLine(const QString& line) override { Lines << line; }
    QStringList Lines;
};
