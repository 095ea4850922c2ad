// Making a new file under a name that no one else holds.
#pragma once

#include "FileDescriptor.h"

#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>

// Creates a new file for writing, exclusively, so that nothing already standing
// under its name (a symbolic link included) is followed or reused; names come from
// nameFor(random number) and a clash is retried. Returns 0 with the name in name
// and the file in fd, or the errno.
int CreateUniqueFile(const std::function<std::string(uint64_t)> &nameFor, mode_t mode, std::string &name, Fd &fd);
