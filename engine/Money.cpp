#include "engine/Money.h"

double MonthlyRate(double apr)
{
    return apr / 1200;
}

double InterestPlusOnePercent(double apr, double balance)
{
    if (apr == 0)
        return RoundToCents(balance * 0.01);
    return RoundToCents(balance * MonthlyRate(apr) + balance * 0.01);
}

double InterestPlusFive(double apr, double balance)
{
    if (apr == 0)
        return 5.00;
    return RoundToCents(balance * MonthlyRate(apr) + 5);
}
