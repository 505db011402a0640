// Reads a JPEG file back with the same library, for the tests of the image export.
#pragma once

#include <string>
#include <vector>

// RGB rows, top first; false when the file is not a readable JPEG.
bool DecodeJpeg(const std::string& path, int* width, int* height, std::vector<unsigned char>* rgb);
