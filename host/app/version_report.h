// The host's version, and what `kestrix --version` prints.
#ifndef KESTRIX_HOST_APP_VERSION_REPORT_H
#define KESTRIX_HOST_APP_VERSION_REPORT_H

#include <string>

// "kestrix 1.0.0": the host's name and version, from the file VERSION.
const char* HostVersion();

// Two lines: the host's version, then the plug-in's product name and file
// version as its version resource gives them, e.g.
//   kestrix 1.0.0
//   plug-in C:\bin\BraskDialog.dll: Brask Dialog 1.0.0
std::string VersionReport(const std::string& pluginPath);

#endif
