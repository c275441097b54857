// Makes the demo's bitmap font: printable ASCII drawn from a tiny built-in stroke font into
// an image of glyph cells, with the subimages file that lists the cells.
#pragma once

#include <string>

// Writes "pixel.png" and "pixel subimages.txt" into `folder` (ending in "/"); returns the
// image's path, or "" when it could not be written.
std::string WriteDemoBitmapFont(const std::string& folder);

// A folder of the demo's own under the system's temp folder, ending in "/".
std::string TempFolder();

// Where the demo's plug-in writes its log.
std::string LogPath();
