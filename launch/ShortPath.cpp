// The short form of a path.
#include "ShortPath.h"

std::string ShortPath(const std::string &path)
{
    return path;
}
