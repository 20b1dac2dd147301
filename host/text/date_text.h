// Dates written as "Mmm dd yyyy", the form of a compiler's build date.
#ifndef KESTRIX_HOST_TEXT_DATE_TEXT_H
#define KESTRIX_HOST_TEXT_DATE_TEXT_H

// Days since 31 Dec 1899 (1 Jan 1900 is day 1); 0 for a text that is not a
// valid date of that form, so that 0 never stands for a real date.
int DayNumberFromDateText(const char* text);

#endif
