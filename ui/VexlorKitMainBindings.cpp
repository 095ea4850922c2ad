// The bound controls of the main window, row by row.
#include "VexlorKitMainBindings.h"

const std::vector<PathControl> PathControls = {
    {FORM_MEMBER(VexlorPathPanel), "Vexlor path:", FORM_MEMBER(VexlorPathEdit), FORM_MEMBER(VexlorPathButton),
     &TVexlor::SetVexlorPath, &TVexlor::VexlorPath, "Applications", "*.exe", "exe"},
    {FORM_MEMBER(EOSPanel), "EOS ROM image:", FORM_MEMBER(EOSEdit), FORM_MEMBER(EOSButton), &TVexlor::SetEOSImage,
     &TVexlor::EOSImage, "ROM images", "*.rom", "rom"},
    {FORM_MEMBER(WPPanel), "WP ROM image:", FORM_MEMBER(WPEdit), FORM_MEMBER(WPButton), &TVexlor::SetWPImage,
     &TVexlor::WPImage, "ROM images", "*.rom", "rom"},
    {FORM_MEMBER(OS7Panel), "OS-7 ROM image:", FORM_MEMBER(OS7Edit), FORM_MEMBER(OS7Button), &TVexlor::SetOS7Image,
     &TVexlor::OS7Image, "ROM images", "*.rom", "rom"},
    {FORM_MEMBER(StartupDirPanel), "Startup directory:", FORM_MEMBER(StartupDirectoryEdit),
     FORM_MEMBER(StartupDirectoryButton), &TVexlor::SetStartupDirectory, &TVexlor::StartupDirectory, "", "", ""},
    {FORM_MEMBER(CassetteAPanel), "Cassette A image:", FORM_MEMBER(CassetteAEdit), FORM_MEMBER(CassetteAButton),
     &TVexlor::SetCassetteA, &TVexlor::CassetteA, "Cassette images", "*.cas", "cas"},
    {FORM_MEMBER(CassetteBPanel), "Cassette B image:", FORM_MEMBER(CassetteBEdit), FORM_MEMBER(CassetteBButton),
     &TVexlor::SetCassetteB, &TVexlor::CassetteB, "Cassette images", "*.cas", "cas"},
    {FORM_MEMBER(DiskAPanel), "Disk A image:", FORM_MEMBER(DiskAEdit), FORM_MEMBER(DiskAButton), &TVexlor::SetDiskA,
     &TVexlor::DiskA, "Disk images", "*.dsk", "dsk"},
    {FORM_MEMBER(DiskBPanel), "Disk B image:", FORM_MEMBER(DiskBEdit), FORM_MEMBER(DiskBButton), &TVexlor::SetDiskB,
     &TVexlor::DiskB, "Disk images", "*.dsk", "dsk"},
    {FORM_MEMBER(DiskCPanel), "Disk C image:", FORM_MEMBER(DiskCEdit), FORM_MEMBER(DiskCButton), &TVexlor::SetDiskC,
     &TVexlor::DiskC, "Disk images", "*.dsk", "dsk"},
    {FORM_MEMBER(DiskDPanel), "Disk D image:", FORM_MEMBER(DiskDEdit), FORM_MEMBER(DiskDButton), &TVexlor::SetDiskD,
     &TVexlor::DiskD, "Disk images", "*.dsk", "dsk"},
    {FORM_MEMBER(CartridgePanel), "Cartridge image:", FORM_MEMBER(CartridgeEdit), FORM_MEMBER(CartridgeButton),
     &TVexlor::SetCartridge, &TVexlor::Cartridge, "ROM images", "*.rom", "rom"},
    {FORM_MEMBER(SnapPanel), "Snapshot file:", FORM_MEMBER(SnapEdit), FORM_MEMBER(SnapButton), &TVexlor::SetSnapshot,
     &TVexlor::Snapshot, "Snapshots", "*.snp", "snp"},
    {FORM_MEMBER(SoundLogPanel), "Sound log file:", FORM_MEMBER(SoundLogEdit), FORM_MEMBER(SoundLogButton),
     &TVexlor::SetSoundLog, &TVexlor::SoundLog, "Sound log files", "*.snd", "snd"},
    {FORM_MEMBER(PrinterLogPanel), "Printer output log:", FORM_MEMBER(PrinterLogEdit), FORM_MEMBER(PrinterLogButton),
     &TVexlor::SetPrinterLog, &TVexlor::PrinterLog, "Raw printer data", "*.prn", "prn"},
    {FORM_MEMBER(ParallelLogPanel), "Parallel port output log:", FORM_MEMBER(ParallelLogEdit),
     FORM_MEMBER(ParallelLogButton), &TVexlor::SetParallelLog, &TVexlor::ParallelLog, "Raw printer data", "*.prn",
     "prn"},
};

// The interrupt frequency's spinner reaches 999 while the setting stops at 500:
// the commit brings a larger number down and shows it.
const std::vector<NumberControl> NumberControls = {
    {FORM_MEMBER(VolumePanel), "Initial volume:", FORM_MEMBER(VolumeEdit), FORM_MEMBER(VolumeUpDown), 0, 15, 1, 10,
     &TVexlor::SetVolume, &TVexlor::Volume},
    {FORM_MEMBER(SoundQualityPanel), "Sound quality:", FORM_MEMBER(SoundQualityEdit), FORM_MEMBER(SoundQualityUpDown),
     1, 5, 1, 5, &TVexlor::SetSoundQuality, &TVexlor::SoundQuality},
    {FORM_MEMBER(UPeriodPanel), "Maximum number of interrupts per screen update:", FORM_MEMBER(UPeriodEdit),
     FORM_MEMBER(UPeriodUpDown), 1, 9, 1, 1, &TVexlor::SetUPeriod, &TVexlor::UPeriod},
    {FORM_MEMBER(PanningPanel), "Panning level:", FORM_MEMBER(PanningLevelEdit), FORM_MEMBER(PanningLevelUpDown), 0,
     100, 5, 0, &TVexlor::SetPanning, &TVexlor::Panning},
    {FORM_MEMBER(ReverbPanel), "Reverb level:", FORM_MEMBER(ReverbLevelEdit), FORM_MEMBER(ReverbLevelUpDown), 0, 100,
     5, 0, &TVexlor::SetReverb, &TVexlor::Reverb},
    {FORM_MEMBER(ChorusPanel), "Chorus level:", FORM_MEMBER(ChorusLevelEdit), FORM_MEMBER(ChorusLevelUpDown), 0, 100,
     5, 0, &TVexlor::SetChorus, &TVexlor::Chorus},
    {{nullptr, nullptr}, "First:", FORM_MEMBER(SpeakerChannelAEdit), FORM_MEMBER(SpeakerChannelAUpDown), 1, 4, 1, 1,
     &TVexlor::SetSpeakerChannelA, &TVexlor::SpeakerChannelA},
    {{nullptr, nullptr}, "Second:", FORM_MEMBER(SpeakerChannelBEdit), FORM_MEMBER(SpeakerChannelBUpDown), 1, 4, 1, 1,
     &TVexlor::SetSpeakerChannelB, &TVexlor::SpeakerChannelB},
    {{nullptr, nullptr}, "Third:", FORM_MEMBER(SpeakerChannelCEdit), FORM_MEMBER(SpeakerChannelCUpDown), 1, 4, 1, 1,
     &TVexlor::SetSpeakerChannelC, &TVexlor::SpeakerChannelC},
    {{nullptr, nullptr}, "Fourth:", FORM_MEMBER(SpeakerChannelDEdit), FORM_MEMBER(SpeakerChannelDUpDown), 1, 4, 1, 1,
     &TVexlor::SetSpeakerChannelD, &TVexlor::SpeakerChannelD},
    {FORM_MEMBER(IFreqPanel), "Interrupt frequency (in Hertz):", FORM_MEMBER(IFreqEdit), FORM_MEMBER(IFreqUpDown), 10,
     999, 5, 100, &TVexlor::SetIFreq, &TVexlor::IFreq},
    {FORM_MEMBER(CPUSpeedPanel), "Clock speed (in percentages):", FORM_MEMBER(CPUSpeedEdit),
     FORM_MEMBER(CPUSPeedUpDown), 10, 999, 10, 100, &TVexlor::SetCPUSpeed, &TVexlor::CPUSpeed},
    {{nullptr, nullptr}, "Sensitivity:", FORM_MEMBER(SensitivityEdit), FORM_MEMBER(SensitivityUpDown), 1, 1000, 10,
     200, &TVexlor::SetSensitivity, &TVexlor::Sensitivity},
    {FORM_MEMBER(ExpansionRAMPanel), "Nr of expansion RAM pages:", FORM_MEMBER(ExpansionRAMEdit),
     FORM_MEMBER(ExpansionRAMUpDown), 0, 255, 1, 0, &TVexlor::SetExpansionRAMPages, &TVexlor::ExpansionRAMPages},
};

const std::vector<CheckControl> CheckControls = {
    {FORM_MEMBER(OverscanCheckBox), "Emulate overscan colour", &TVexlor::SetOverscan, &TVexlor::Overscan},
    {FORM_MEMBER(ShowAllSpritesCheckBox), "Show all sprites", &TVexlor::SetShowAllSprites, &TVexlor::ShowAllSprites},
    {FORM_MEMBER(CalibrateCheckBox), "Force joystick calibration", &TVexlor::SetCalibrate, &TVexlor::Calibrate},
    {FORM_MEMBER(VerboseCheckBox), "Startup messages", &TVexlor::SetVerbose, &TVexlor::Verbose},
    {FORM_MEMBER(SyncCheckBox), "Sync emulation", &TVexlor::SetSync, &TVexlor::Sync},
    {FORM_MEMBER(AutoSnapCheckBox), "Auto-load/save snapshots", &TVexlor::SetAutoSnap, &TVexlor::AutoSnap},
    {FORM_MEMBER(SwapJoystickButtonsCheckBox), "Swap joystick buttons", &TVexlor::SetSwapJoystickButtons,
     &TVexlor::SwapJoystickButtons},
    {FORM_MEMBER(SwapKeyboardButtonsCheckBox), "Swap keyboard buttons", &TVexlor::SetSwapKeyboardButtons,
     &TVexlor::SwapKeyboardButtons},
    {FORM_MEMBER(SwapMouseButtonsCheckBox), "Swap mouse buttons", &TVexlor::SetSwapMouseButtons,
     &TVexlor::SwapMouseButtons},
    {FORM_MEMBER(ReverseKeypadCheckBox), "Reverse keypad", &TVexlor::SetReverseKeypad, &TVexlor::ReverseKeypad},
};

const std::vector<RadioGroupControl> RadioGroupControls = {
    {FORM_MEMBER(VideoModeRadioGroup), "Video mode", {"320x200", "256x192", "256x240"}, &TVexlor::SetVideoMode,
     &TVexlor::VideoMode},
    {FORM_MEMBER(EmulationModeRadioGroup), "Emulation mode:", {"Auto", "ColecoVision", "Coleco ADAM"},
     &TVexlor::SetEmuMode, &TVexlor::EmuMode},
    {FORM_MEMBER(PrinterTypeRadioGroup),
     "Printer type",
     {"ADAM printer compatible", "Generic/Text only", "IBM Graphics compatible", "Qume SPRINT 11 compatible"},
     &TVexlor::SetPrinterType,
     &TVexlor::PrinterType},
    {FORM_MEMBER(JoystickRadioGroup),
     "Joystick",
     {"No joystick support", "Joystick emulates both controllers", "Joystick emulates controller #2",
      "Joystick emulates controller #1"},
     &TVexlor::SetJoystick,
     &TVexlor::Joystick},
    {FORM_MEMBER(TDOSRadioGroup), "TDOS video mode", {"40 column", "80 column"}, &TVexlor::SetTDOSVideoMode,
     &TVexlor::TDOSVideoMode},
    {FORM_MEMBER(PaletteRadioGroup), "Palette", {"Original", "V9938"}, &TVexlor::SetPalette, &TVexlor::Palette},
};

namespace {

// "Auto-detect" heads the list and stands for 255; the devices 0 to 6 follow it.
int32_t SoundDeviceOfItem(int index) { return index == 0 ? 255 : index - 1; }
int ItemOfSoundDevice(int32_t device) { return device == 255 ? 0 : device + 1; }

int32_t SameNumber(int index) { return index; }
// The record accepts a module 6 that the list has no item for: nothing is selected.
int ItemOfModule(int32_t module) { return module <= 5 ? module : -1; }

} // namespace

const std::vector<ComboControl> ComboControls = {
    {FORM_MEMBER(SoundComboBox),
     {"Auto-detect", "None", "Internal Speaker", "Adlib", "Adlib+SoundBlaster", "SoundBlaster", "GUS", "SB AWE32"},
     &TVexlor::SetSoundDevice,
     &TVexlor::SoundDevice,
     SoundDeviceOfItem,
     ItemOfSoundDevice},
    {FORM_MEMBER(ExpansionModuleComboBox),
     {"None", "Roller Controller", "Driving Module", "Speed Roller on Both Ports", "Speed Roller on Port 1",
      "Speed Roller on Port 2"},
     &TVexlor::SetExpansionModule,
     &TVexlor::ExpansionModule,
     SameNumber,
     ItemOfModule},
};

const std::vector<RadioButtonControl> RadioButtonControls = {
    {FORM_MEMBER(ExpansionMouseRadioButton), "Mouse", 0, &TVexlor::SetExpansionModuleDevice,
     &TVexlor::ExpansionModuleDevice},
    {FORM_MEMBER(ExpansionJoystickRadioButton), "Analogue joystick", 1, &TVexlor::SetExpansionModuleDevice,
     &TVexlor::ExpansionModuleDevice},
};
