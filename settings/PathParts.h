// Splitting a path as the settings see it: both '\' and '/' separate folders.
#pragma once

#include <string>

// Everything up to and including the last separator; empty when there is none.
// There are no drive letters here, so nothing is split off in front.
std::string DirectoryPart(const std::string &path);
