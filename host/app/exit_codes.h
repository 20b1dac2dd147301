// The host's exit statuses.
#ifndef KESTRIX_HOST_APP_EXIT_CODES_H
#define KESTRIX_HOST_APP_EXIT_CODES_H

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitBadInput = 2, kExitNoDisplay = 3 };

#endif
