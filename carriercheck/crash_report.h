// A carrier that crashes takes the check down with it; this says where, as a
// finding, instead of a bare exception code.
#ifndef KESTRIX_CARRIERCHECK_CRASH_REPORT_H
#define KESTRIX_CARRIERCHECK_CRASH_REPORT_H

// From now on an unhandled exception prints, on standard output,
// "<dllName>: the carrier crashed in <its last call> (...)" and ends the
// process with exit code 1.
void ReportCrashesOf(const char* dllName);

#endif
