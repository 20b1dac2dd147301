// Counts the kernel handles the process holds (events, files, threads, ...).
// GetProcessHandleCount answers 0 under Wine; the system's handle table,
// which Wine fills in, is read instead.
#ifndef KESTRIX_TESTS_HANDLE_CENSUS_H
#define KESTRIX_TESTS_HANDLE_CENSUS_H

#include <stddef.h>

// The process's open kernel handles, or 0 when the table cannot be read.
size_t CountKernelHandles();

#endif
