#include "app/Clock.h"

QDate Clock::Today()
{
    return Override ? Override() : QDate::currentDate();
}
