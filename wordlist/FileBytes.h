#pragma once
#include <string>
#include <vector>

// Reads a whole file. False when it cannot be opened, a read fails on the
// way, or it is too large to be a word list (4 GiB and more).
bool ReadFileBytes(const std::string& path, std::vector<char>& bytes);

// The path as the C library of this system wants it: the program joins
// paths with "\", which only Windows reads as a separator.
std::string NativePath(const std::string& path);

// Directory, "\" and name; no second separator when the directory ends in
// one, and the bare name for an empty directory (the current one).
std::string JoinPath(const std::string& directory, const std::string& name);
