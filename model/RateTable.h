#pragma once
// Report rates as the profile stores them (milliseconds between reports) and
// their menu texts.
#include <QString>

struct RateEntry {
    int pollrate;
    const char *text; // source text, context "KestReportRate"
};

constexpr int RATE_COUNT = 4;
const RateEntry *rateEntries(); // 125, 250, 500 and 1000 Hz in menu order
// Index into rateEntries(); -1 for a value the table does not hold.
int rateIndex(int pollrate);
