#include "host/text/date_text.h"

#include <cstring>

namespace {

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 1 && IsLeap(y) ? 29 : kDays[m];
}

// Reads `count` decimal digits, blanks allowed before them (a day may be
// written " 5").
bool ReadNumber(const char*& p, int maxDigits, int* value) {
    while (*p == ' ') ++p;
    int digits = 0;
    *value = 0;
    while (*p >= '0' && *p <= '9' && digits < maxDigits) {
        *value = *value * 10 + (*p - '0');
        ++p;
        ++digits;
    }
    return digits > 0;
}

}  // namespace

int DayNumberFromDateText(const char* text) {
    if (text == nullptr || std::strlen(text) < 10) return 0;
    int month = -1;
    for (int m = 0; m < 12; ++m) {
        if (std::strncmp(text, kMonths[m], 3) == 0) month = m;
    }
    const char* p = text + 3;
    int day = 0;
    int year = 0;
    if (month < 0 || *p != ' ' || !ReadNumber(p, 2, &day) || *p != ' ' ||
        !ReadNumber(p, 4, &year) || *p != '\0') {
        return 0;
    }
    if (year < 1900 || day < 1 || day > DaysInMonth(year, month)) return 0;
    int days = 0;
    for (int y = 1900; y < year; ++y) days += IsLeap(y) ? 366 : 365;
    for (int m = 0; m < month; ++m) days += DaysInMonth(year, m);
    return days + day;
}
