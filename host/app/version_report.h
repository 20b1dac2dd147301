// What `kestrix --version` prints.
#ifndef KESTRIX_HOST_VERSION_REPORT_H
#define KESTRIX_HOST_VERSION_REPORT_H

#include <string>

// Two lines: the host's version, then the plug-in's product name and file
// version as its version resource gives them, e.g.
//   kestrix 1.0.0
//   plug-in C:\bin\BraskDialog.dll: Brask Dialog 1.0.0
std::string VersionReport(const std::string& pluginPath);

#endif
