// The settings record: defaults, ranges and the derived read-me path.
#include "TVexlor.h"

#include "PathParts.h"

#include <cstdio>

namespace {

// Paths keep the 260-byte limit that stored files and the emulator were made for.
constexpr std::size_t MaxPath = 260;

int32_t Flag(int32_t value) { return value != 0 ? 1 : 0; }

} // namespace

int32_t Clamp(int32_t value, int32_t low, int32_t high)
{
    if (value < low)
        return low;
    if (value > high)
        return high;
    return value;
}

TVexlor::TVexlor()
{
    SetDefaults();
}

TVexlor::~TVexlor()
{
    if (!ResponseFileName.empty())
        std::remove(ResponseFileName.c_str());
}

void TVexlor::SetDefaults()
{
    // VexlorPath is assigned directly, so ReadMePath keeps naming the last
    // emulator's read-me.
    VexlorPath = "";
    EOSImage = "";
    WPImage = "";
    OS7Image = "";
    StartupDirectory = "";
    CassetteA = "";
    CassetteB = "";
    DiskA = "";
    DiskB = "";
    DiskC = "";
    DiskD = "";
    Cartridge = "";

    VideoMode = 0;
    UPeriod = 3;
    Overscan = 1;
    ShowAllSprites = 1;
    SoundDevice = 255;
    Volume = 10;
    SoundQuality = 3;
    Panning = 0;
    Reverb = 7;
    Chorus = 0;
    SpeakerChannelA = 4;
    SpeakerChannelB = 3;
    SpeakerChannelC = 2;
    SpeakerChannelD = 1;
    SoundLog = "";
    EmuMode = 0;
    IFreq = 50;
    CPUSpeed = 100;
    ExpansionModule = 0;
    ExpansionModuleDevice = 0;
    Sensitivity = 200;
    Calibrate = 0;
    Verbose = 1;
    Sync = 1;
    PrinterType = 1;
    Joystick = 1;
    SwapJoystickButtons = 0;
    SwapKeyboardButtons = 0;
    SwapMouseButtons = 0;
    ReverseKeypad = 0;
    PrinterLog = "";
    UserOptions = "";

    SetExpansionRAMPages(1);
    SetSnapshot("");
    SetParallelLog("");
    SetTDOSVideoMode(0);
    SetPalette(0);
    SetAutoSnap(0);
}

// The read-me lies beside the emulator. A folder so long that the read-me's path
// would pass the path limit is refused rather than cut: ReadMePath is then empty,
// names no file, and the Read Me page says it cannot find the read-me.
void TVexlor::SetVexlorPath(const std::string &value)
{
    VexlorPath = value;
    std::string readMe = DirectoryPart(value) + "Vexlor.txt";
    ReadMePath = readMe.size() < MaxPath ? std::move(readMe) : std::string();
}

void TVexlor::SetEOSImage(const std::string &value) { EOSImage = value; }
void TVexlor::SetWPImage(const std::string &value) { WPImage = value; }
void TVexlor::SetOS7Image(const std::string &value) { OS7Image = value; }
void TVexlor::SetStartupDirectory(const std::string &value) { StartupDirectory = value; }
void TVexlor::SetCassetteA(const std::string &value) { CassetteA = value; }
void TVexlor::SetCassetteB(const std::string &value) { CassetteB = value; }
void TVexlor::SetDiskA(const std::string &value) { DiskA = value; }
void TVexlor::SetDiskB(const std::string &value) { DiskB = value; }
void TVexlor::SetDiskC(const std::string &value) { DiskC = value; }
void TVexlor::SetDiskD(const std::string &value) { DiskD = value; }
void TVexlor::SetCartridge(const std::string &value) { Cartridge = value; }
void TVexlor::SetVideoMode(int32_t value) { VideoMode = Clamp(value, 0, 2); }
void TVexlor::SetUPeriod(int32_t value) { UPeriod = Clamp(value, 1, 9); }
void TVexlor::SetOverscan(int32_t value) { Overscan = Flag(value); }
void TVexlor::SetShowAllSprites(int32_t value) { ShowAllSprites = Flag(value); }

// 255 is the emulator's "auto-detect", so anything past the last device means it.
void TVexlor::SetSoundDevice(int32_t value)
{
    SoundDevice = value < 0 ? 0 : value > 6 ? 255 : value;
}

void TVexlor::SetVolume(int32_t value) { Volume = Clamp(value, 0, 15); }
void TVexlor::SetSoundQuality(int32_t value) { SoundQuality = Clamp(value, 1, 5); }
void TVexlor::SetPanning(int32_t value) { Panning = Clamp(value, 0, 100); }
void TVexlor::SetReverb(int32_t value) { Reverb = Clamp(value, 0, 100); }
void TVexlor::SetChorus(int32_t value) { Chorus = Clamp(value, 0, 100); }
void TVexlor::SetSpeakerChannelA(int32_t value) { SpeakerChannelA = Clamp(value, 1, 4); }
void TVexlor::SetSpeakerChannelB(int32_t value) { SpeakerChannelB = Clamp(value, 1, 4); }
void TVexlor::SetSpeakerChannelC(int32_t value) { SpeakerChannelC = Clamp(value, 1, 4); }
void TVexlor::SetSpeakerChannelD(int32_t value) { SpeakerChannelD = Clamp(value, 1, 4); }
void TVexlor::SetSoundLog(const std::string &value) { SoundLog = value; }
void TVexlor::SetEmuMode(int32_t value) { EmuMode = Clamp(value, 0, 2); }
void TVexlor::SetIFreq(int32_t value) { IFreq = Clamp(value, 10, 500); }
void TVexlor::SetCPUSpeed(int32_t value) { CPUSpeed = Clamp(value, 10, 999); }
void TVexlor::SetExpansionModule(int32_t value) { ExpansionModule = Clamp(value, 0, 6); }
void TVexlor::SetExpansionModuleDevice(int32_t value) { ExpansionModuleDevice = Clamp(value, 0, 1); }
void TVexlor::SetSensitivity(int32_t value) { Sensitivity = Clamp(value, 1, 1000); }
void TVexlor::SetCalibrate(int32_t value) { Calibrate = Flag(value); }
void TVexlor::SetVerbose(int32_t value) { Verbose = Flag(value); }
void TVexlor::SetSync(int32_t value) { Sync = Flag(value); }
void TVexlor::SetPrinterType(int32_t value) { PrinterType = Clamp(value, 0, 3); }
void TVexlor::SetJoystick(int32_t value) { Joystick = Clamp(value, 0, 3); }
void TVexlor::SetSwapJoystickButtons(int32_t value) { SwapJoystickButtons = Flag(value); }
void TVexlor::SetSwapKeyboardButtons(int32_t value) { SwapKeyboardButtons = Flag(value); }
void TVexlor::SetSwapMouseButtons(int32_t value) { SwapMouseButtons = Flag(value); }
void TVexlor::SetReverseKeypad(int32_t value) { ReverseKeypad = Flag(value); }
void TVexlor::SetExpansionRAMPages(int32_t value) { ExpansionRAMPages = Clamp(value, 0, 255); }
void TVexlor::SetSnapshot(const std::string &value) { Snapshot = value; }
void TVexlor::SetParallelLog(const std::string &value) { ParallelLog = value; }
void TVexlor::SetTDOSVideoMode(int32_t value) { TDOSVideoMode = Clamp(value, 0, 1); }
void TVexlor::SetPalette(int32_t value) { Palette = Clamp(value, 0, 1); }
void TVexlor::SetAutoSnap(int32_t value) { AutoSnap = Flag(value); }
void TVexlor::SetPrinterLog(const std::string &value) { PrinterLog = value; }
void TVexlor::SetUserOptions(const std::string &value) { UserOptions = value; }
