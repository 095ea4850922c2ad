// Splitting a path as the settings see it.
#include "PathParts.h"

std::string DirectoryPart(const std::string &path)
{
    const auto last = path.find_last_of("\\/");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}
