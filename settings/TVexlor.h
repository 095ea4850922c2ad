// The record of every emulator setting, with the setters that keep it in range.
#pragma once

#include <cstdint>
#include <string>

// Gives low below the range, high above it, else the value.
int32_t Clamp(int32_t value, int32_t low, int32_t high);

class TVexlor {
public:
    TVexlor();
    // Deletes the last response file, which the emulator no longer needs.
    ~TVexlor();

    // One record owns one response file: a copy would delete it twice.
    TVexlor(const TVexlor &) = delete;
    TVexlor &operator=(const TVexlor &) = delete;

    // Fields in declaration order; numbers are 32-bit, flags hold 0 or 1.
    std::string ReadMePath;
    std::string VexlorPath;
    std::string EOSImage;
    std::string WPImage;
    std::string OS7Image;
    std::string StartupDirectory;
    std::string CassetteA;
    std::string CassetteB;
    std::string DiskA;
    std::string DiskB;
    std::string DiskC;
    std::string DiskD;
    std::string Cartridge;
    int32_t VideoMode;
    int32_t UPeriod;
    int32_t Overscan;
    int32_t ShowAllSprites;
    int32_t SoundDevice;
    int32_t Volume;
    int32_t SoundQuality;
    int32_t Panning;
    int32_t Reverb;
    int32_t Chorus;
    int32_t SpeakerChannelA;
    int32_t SpeakerChannelB;
    int32_t SpeakerChannelC;
    int32_t SpeakerChannelD;
    std::string SoundLog;
    int32_t EmuMode;
    int32_t IFreq;
    int32_t CPUSpeed;
    int32_t ExpansionModule;
    int32_t ExpansionModuleDevice;
    int32_t Sensitivity;
    int32_t Calibrate;
    int32_t Verbose;
    int32_t Sync;
    int32_t PrinterType;
    int32_t Joystick;
    int32_t SwapJoystickButtons;
    int32_t SwapKeyboardButtons;
    int32_t SwapMouseButtons;
    int32_t ReverseKeypad;
    int32_t ExpansionRAMPages;
    std::string Snapshot;
    std::string ParallelLog;
    int32_t TDOSVideoMode;
    int32_t Palette;
    int32_t AutoSnap;
    std::string PrinterLog;
    std::string UserOptions;
    std::string ResponseFileName;

    void SetDefaults();

    void SetVexlorPath(const std::string &value);
    void SetEOSImage(const std::string &value);
    void SetWPImage(const std::string &value);
    void SetOS7Image(const std::string &value);
    void SetStartupDirectory(const std::string &value);
    void SetCassetteA(const std::string &value);
    void SetCassetteB(const std::string &value);
    void SetDiskA(const std::string &value);
    void SetDiskB(const std::string &value);
    void SetDiskC(const std::string &value);
    void SetDiskD(const std::string &value);
    void SetCartridge(const std::string &value);
    void SetVideoMode(int32_t value);
    void SetUPeriod(int32_t value);
    void SetOverscan(int32_t value);
    void SetShowAllSprites(int32_t value);
    void SetSoundDevice(int32_t value);
    void SetVolume(int32_t value);
    void SetSoundQuality(int32_t value);
    void SetPanning(int32_t value);
    void SetReverb(int32_t value);
    void SetChorus(int32_t value);
    void SetSpeakerChannelA(int32_t value);
    void SetSpeakerChannelB(int32_t value);
    void SetSpeakerChannelC(int32_t value);
    void SetSpeakerChannelD(int32_t value);
    void SetSoundLog(const std::string &value);
    void SetEmuMode(int32_t value);
    void SetIFreq(int32_t value);
    void SetCPUSpeed(int32_t value);
    void SetExpansionModule(int32_t value);
    void SetExpansionModuleDevice(int32_t value);
    void SetSensitivity(int32_t value);
    void SetCalibrate(int32_t value);
    void SetVerbose(int32_t value);
    void SetSync(int32_t value);
    void SetPrinterType(int32_t value);
    void SetJoystick(int32_t value);
    void SetSwapJoystickButtons(int32_t value);
    void SetSwapKeyboardButtons(int32_t value);
    void SetSwapMouseButtons(int32_t value);
    void SetReverseKeypad(int32_t value);
    void SetExpansionRAMPages(int32_t value);
    void SetSnapshot(const std::string &value);
    void SetParallelLog(const std::string &value);
    void SetTDOSVideoMode(int32_t value);
    void SetPalette(int32_t value);
    void SetAutoSnap(int32_t value);
    void SetPrinterLog(const std::string &value);
    void SetUserOptions(const std::string &value);

    // Section "Vexlor" of the settings file at path. Loading never fails: what is
    // missing or unreadable takes its read default. Saving throws IniWriteError.
    void LoadSettings(const std::string &path);
    void SaveSettings(const std::string &path);

    // Empties list, fills it with the emulator's options, one a line in the order
    // the emulator reads them, and returns it. Changes nothing in the record.
    std::string &BuildOptionList(std::string &list) const;

    // Writes the option list into a new response file (named in ResponseFileName,
    // the previous one deleted) and starts the emulator VexlorPath with "@" and that
    // file's path, in the folder part of StartupDirectory, without waiting for it.
    // Returns 0 when it started; -1 when the response file could not be written,
    // nothing being started; else the errno of the failed start (ENOENT, EACCES).
    int32_t Launch();
};
