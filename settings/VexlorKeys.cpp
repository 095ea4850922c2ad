// The keys of section "Vexlor", in the file's order, with their setters and read defaults.
#include "VexlorKeys.h"

namespace {

constexpr VexlorKey Text(const char *key, std::string TVexlor::*field, void (TVexlor::*set)(const std::string &))
{
    return {key, field, set, nullptr, nullptr, 0};
}

constexpr VexlorKey Number(const char *key, int32_t TVexlor::*field, void (TVexlor::*set)(int32_t),
                           int32_t readDefault)
{
    return {key, nullptr, nullptr, field, set, readDefault};
}

} // namespace

// The read defaults of UPeriod, Chorus and the speaker channels differ from the
// record's own defaults; stored files rely on them.
const std::array<VexlorKey, 50> VexlorKeys = {{
    Text("VexlorPath", &TVexlor::VexlorPath, &TVexlor::SetVexlorPath),
    Text("EOSImage", &TVexlor::EOSImage, &TVexlor::SetEOSImage),
    Text("WPImage", &TVexlor::WPImage, &TVexlor::SetWPImage),
    Text("OS7Image", &TVexlor::OS7Image, &TVexlor::SetOS7Image),
    Text("StartupDirectory", &TVexlor::StartupDirectory, &TVexlor::SetStartupDirectory),
    Text("CassetteA", &TVexlor::CassetteA, &TVexlor::SetCassetteA),
    Text("CassetteB", &TVexlor::CassetteB, &TVexlor::SetCassetteB),
    Text("DiskA", &TVexlor::DiskA, &TVexlor::SetDiskA),
    Text("DiskB", &TVexlor::DiskB, &TVexlor::SetDiskB),
    Text("DiskC", &TVexlor::DiskC, &TVexlor::SetDiskC),
    Text("DiskD", &TVexlor::DiskD, &TVexlor::SetDiskD),
    Text("Cartridge", &TVexlor::Cartridge, &TVexlor::SetCartridge),
    Number("VideoMode", &TVexlor::VideoMode, &TVexlor::SetVideoMode, 0),
    Number("UPeriod", &TVexlor::UPeriod, &TVexlor::SetUPeriod, 2),
    Number("Overscan", &TVexlor::Overscan, &TVexlor::SetOverscan, 1),
    Number("ShowAllSprites", &TVexlor::ShowAllSprites, &TVexlor::SetShowAllSprites, 1),
    Number("SoundDevice", &TVexlor::SoundDevice, &TVexlor::SetSoundDevice, 255),
    Number("Volume", &TVexlor::Volume, &TVexlor::SetVolume, 10),
    Number("SoundQuality", &TVexlor::SoundQuality, &TVexlor::SetSoundQuality, 3),
    Number("Panning", &TVexlor::Panning, &TVexlor::SetPanning, 0),
    Number("Reverb", &TVexlor::Reverb, &TVexlor::SetReverb, 7),
    Number("Chorus", &TVexlor::Chorus, &TVexlor::SetChorus, 7),
    Number("SpeakerChannelA", &TVexlor::SpeakerChannelA, &TVexlor::SetSpeakerChannelA, 1),
    Number("SpeakerChannelB", &TVexlor::SpeakerChannelB, &TVexlor::SetSpeakerChannelB, 2),
    Number("SpeakerChannelC", &TVexlor::SpeakerChannelC, &TVexlor::SetSpeakerChannelC, 3),
    Number("SpeakerChannelD", &TVexlor::SpeakerChannelD, &TVexlor::SetSpeakerChannelD, 4),
    Text("SoundLog", &TVexlor::SoundLog, &TVexlor::SetSoundLog),
    Number("EmuMode", &TVexlor::EmuMode, &TVexlor::SetEmuMode, 0),
    Number("IFreq", &TVexlor::IFreq, &TVexlor::SetIFreq, 50),
    Number("CPUSpeed", &TVexlor::CPUSpeed, &TVexlor::SetCPUSpeed, 100),
    Number("ExpansionModule", &TVexlor::ExpansionModule, &TVexlor::SetExpansionModule, 0),
    Number("ExpansionModuleDevice", &TVexlor::ExpansionModuleDevice, &TVexlor::SetExpansionModuleDevice, 0),
    Number("Sensitivity", &TVexlor::Sensitivity, &TVexlor::SetSensitivity, 200),
    Number("Calibrate", &TVexlor::Calibrate, &TVexlor::SetCalibrate, 0),
    Number("Verbose", &TVexlor::Verbose, &TVexlor::SetVerbose, 1),
    Number("Sync", &TVexlor::Sync, &TVexlor::SetSync, 1),
    Number("PrinterType", &TVexlor::PrinterType, &TVexlor::SetPrinterType, 1),
    Number("Joystick", &TVexlor::Joystick, &TVexlor::SetJoystick, 1),
    Number("SwapJoystickButtons", &TVexlor::SwapJoystickButtons, &TVexlor::SetSwapJoystickButtons, 0),
    Number("SwapKeyboardButtons", &TVexlor::SwapKeyboardButtons, &TVexlor::SetSwapKeyboardButtons, 0),
    Number("SwapMouseButtons", &TVexlor::SwapMouseButtons, &TVexlor::SetSwapMouseButtons, 0),
    Number("ReverseKeypad", &TVexlor::ReverseKeypad, &TVexlor::SetReverseKeypad, 0),
    Text("PrinterLog", &TVexlor::PrinterLog, &TVexlor::SetPrinterLog),
    Text("UserOptions", &TVexlor::UserOptions, &TVexlor::SetUserOptions),
    Number("ExpansionRAMPages", &TVexlor::ExpansionRAMPages, &TVexlor::SetExpansionRAMPages, 1),
    Text("Snapshot", &TVexlor::Snapshot, &TVexlor::SetSnapshot),
    Text("ParallelLog", &TVexlor::ParallelLog, &TVexlor::SetParallelLog),
    Number("TDOSVideoMode", &TVexlor::TDOSVideoMode, &TVexlor::SetTDOSVideoMode, 0),
    Number("Palette", &TVexlor::Palette, &TVexlor::SetPalette, 0),
    Number("AutoSnap", &TVexlor::AutoSnap, &TVexlor::SetAutoSnap, 0),
}};
