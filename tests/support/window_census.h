// Counts the windows this thread owns, top-level and child, to see that
// nothing a plug-in opened outlives it.
#ifndef KESTRIX_TESTS_WINDOW_CENSUS_H
#define KESTRIX_TESTS_WINDOW_CENSUS_H

#include <stddef.h>

// Other processes' windows (tests running beside this one) are not counted.
size_t CountThreadWindows();

#endif
