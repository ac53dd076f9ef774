#pragma once
// The store commands of tocklet-reg: import, export and query over the registry file.

#include <ostream>
#include <string>

#include "platform/HiveRegistry.h"

namespace tocklet {

/// Applies a REGEDIT4 file ("-" for standard input) in one write; refuses a file that does not
/// parse, naming its line, and writes nothing then. Returns the exit status.
int RunImportCommand(HiveRegistry& reg, const std::string& file, std::ostream& out,
                     std::ostream& err);

/// Writes the whole registry as a REGEDIT4 file ("-" for standard output, which is out).
int RunExportCommand(HiveRegistry& reg, const std::string& file, std::ostream& out,
                     std::ostream& err);

/// Prints name, type, byte count, bytes in hex and text (UTF-8) of every value of key, or of
/// the one value name ("@" for the default value), one tab-separated line each. key and name
/// are UTF-8 as typed.
int RunQueryCommand(HiveRegistry& reg, const std::string& key, const std::string* name,
                    std::ostream& out, std::ostream& err);

}  // namespace tocklet
