// Shared body of the file-reader fuzz targets: reading any bytes must not
// crash, hang or leak; a failure must say why; and whatever reads must write
// a project file that reads back, reaching a text that no longer changes.
#pragma once

#include <cstddef>
#include <cstdint>

int FuzzReader(const char* path, const uint8_t* data, size_t size);
