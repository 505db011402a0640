// Baseline JPEG files through the IJG library (libjpeg-turbo, API 62). The library's errors
// come back as a text: its error manager here returns to the caller instead of ending the
// program, and the unfinished file is removed.
#pragma once

#include <string>

// Fills all rows of the image at once: rows[r] holds width RGB triples of row r (0 = top).
// Returns false with a reason to abandon the file.
typedef bool (*JpegFillRows)(void* context, unsigned char** rows, std::string* error);

// Writes a width x height RGB image at the quality (0..100, baseline tables). False with a
// reason (nothing left on disk) when the arguments are bad, the file cannot be created, the
// rows cannot be had or the library fails.
bool WriteRgbJpeg(const char* path, int width, int height, int quality, JpegFillRows fill,
                  void* context, std::string* error);
