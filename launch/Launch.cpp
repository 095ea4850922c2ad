// Starting the emulator with the current settings.
#include "TVexlor.h"

#include "DetachedProcess.h"
#include "PathParts.h"
#include "ResponseFile.h"
#include "ShortPath.h"

#include <cstdio>

// The emulator reads its options from the response file after it has started, so
// the file stays until the next launch or the record's end; after a failed start
// it stays as well.
int32_t TVexlor::Launch()
{
    if (!ResponseFileName.empty())
        std::remove(ResponseFileName.c_str());
    std::string options;
    ResponseFileName = WriteResponseFile(BuildOptionList(options));
    if (ResponseFileName.empty())
        return -1;
    // "/emu/games/" is entered as it stands; "/emu/games" enters /emu.
    return StartDetached(VexlorPath, {VexlorPath, "@" + ShortPath(ResponseFileName)},
                         DirectoryPart(StartupDirectory));
}
