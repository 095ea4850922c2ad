// Starting a program that runs on by itself, as the emulator does.
#pragma once

#include <string>
#include <vector>

// Starts program with arguments as its whole argument vector, without waiting for
// it. The program name is used as it stands (no PATH search; a relative name counts
// from the caller's current directory). It runs in directory, or in the caller's
// current directory when directory is empty or cannot be entered; the caller's own
// directory never changes. The program gets a session of its own, default signal
// handling with nothing blocked, the caller's environment, and no descriptor but
// 0, 1 and 2. When it ends it is reaped, so it leaves no zombie.
// Returns 0, or the errno of the failed start (ENOENT, EACCES, ...).
int StartDetached(const std::string &program, const std::vector<std::string> &arguments,
                  const std::string &directory);
