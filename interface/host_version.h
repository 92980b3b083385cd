// The host's version text, taken from the host's own settings file.
#ifndef STATS_INTERFACE_HOST_VERSION_H_
#define STATS_INTERFACE_HOST_VERSION_H_

#include <string>

// Looks for files matching pathPrefix + "*.ini"; when one whose name
// contains "Harlo2.ini" exists, reads "Harlo2.ini" in the current directory
// and returns the first line containing "Harlo=" less its first six
// characters. Returns "Harlo" when no such file is found, and current when
// the file cannot be read or has no such line.
std::string LookUpHostVersion(const std::string& pathPrefix, const std::string& current);

#endif  // STATS_INTERFACE_HOST_VERSION_H_
