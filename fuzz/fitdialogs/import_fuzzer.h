// Shared body of the import fuzz targets: any bytes imported into any fit session must not
// crash, hang or leak; an import either changes the data (at most the cap of tests, every value
// finite, the grid showing exactly the points) or changes nothing and says why; and the session
// can fit and plot whatever was imported.
#pragma once

#include <cstddef>
#include <cstdint>

int FuzzImport(int kind, const char* path, const uint8_t* data, size_t size);
