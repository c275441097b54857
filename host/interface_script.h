// A fixed script of the exports that answer through the interface memblock. After each of its
// calls the block's bytes are kept, so that two builds of the plug-in (the Linux .so and the
// Windows DLL) can be compared byte for byte on the same script.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "qelhost.h"

// Plays the script against the loaded plug-in; false (with a message on stderr) when the
// plug-in lacks an export the script calls or an answer names no memblock.
bool PlayInterfaceScript(qel::Host& host, std::vector<uint8_t>& bytes);

// Plays the script and writes the bytes to `path`.
bool WriteInterfaceDump(qel::Host& host, const std::string& path);
