// What cq160 as the host tells the module and where it finds it: the
// version it names itself by, the module built beside it, the working
// folder's name for a call.
#ifndef CQ160_MODULE_PLACE_H_
#define CQ160_MODULE_PLACE_H_

#include <string>

// The version cq160 tells the module it is ("Harlo=cq160 <version>").
extern const char kCq160Version[];

// "cq160 <version>", as Harlo2.ini's Harlo= line names the host.
std::string HostVersion();

// The module built beside cq160: in its own folder, or one or two folders
// up (the build folder, when cq160 sits in tools/cq160 below it). Empty
// when there is none; *looked gets the paths tried.
std::string DefaultModule(std::string* looked);

// The working folder's name below cq160-out: call-sign characters only
// (letters, digits, "/" as "_"), so that no CALLSIGN line can name a folder
// outside it ("..", "../x", "C:\\x") or a device.
std::string FolderNameFor(const std::string& call);

#endif  // CQ160_MODULE_PLACE_H_
