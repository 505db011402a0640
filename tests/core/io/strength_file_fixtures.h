// Projects with every setting away from its default, and an exact comparison
// of what a project file keeps.
#pragma once

#include <string>

#include "core/io/StrengthFile.h"

// Fills all four models; criterion picks the current one, which gets lab and
// rock-mass points.
void FillProject(CStrengthFile& file, int criterion);
// Adds a failure for every kept value that differs between the two.
void ExpectSameProject(const CStrengthFile& expected, const CStrengthFile& actual);
// Joins lines with CR LF.
std::string Lines(std::initializer_list<const char*> lines);
