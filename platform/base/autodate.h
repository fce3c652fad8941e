#pragma once
// Automation dates: days since 30 December 1899 as a double, the fraction
// being the time of day. Before that day the whole part counts days back and
// the fraction still counts the time forward (-1.25 is 29 December 1899,
// 06:00), as automation clients expect.

struct CDateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

double DateFromParts(const CDateParts& parts);

// FALSE for values that are no date (not finite, or beyond year 9999 either way).
bool PartsFromDate(double date, CDateParts& parts);

// Local time now, to the second.
double CurrentDate();
