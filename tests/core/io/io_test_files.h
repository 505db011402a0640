// Scratch folders and whole-file helpers for the file tests.
#pragma once

#include <string>

// A fresh empty folder below the working folder, named after the test.
std::string MakeScratchFolder(const std::string& name);
std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Path of a file in the tests' data folder.
std::string TestDataPath(const std::string& name);
