#include "model/RateTable.h"
#include <QCoreApplication>

namespace {
const RateEntry kRates[RATE_COUNT] = {
    {8, QT_TRANSLATE_NOOP("KestReportRate", "125 HZ")},
    {4, QT_TRANSLATE_NOOP("KestReportRate", "250 HZ")},
    {2, QT_TRANSLATE_NOOP("KestReportRate", "500 HZ")},
    {1, QT_TRANSLATE_NOOP("KestReportRate", "1000 HZ")},
};
} // namespace

const RateEntry *rateEntries()
{
    return kRates;
}

int rateIndex(int pollrate)
{
    for (int i = 0; i < RATE_COUNT; ++i) {
        if (kRates[i].pollrate == pollrate)
            return i;
    }
    return -1;
}
