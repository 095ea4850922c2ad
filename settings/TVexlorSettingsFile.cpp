// Loading and saving the section "Vexlor" of the settings file, key by key.
#include "TIniFile.h"
#include "TVexlor.h"

#include <vector>

namespace {

constexpr std::string_view Section = "Vexlor";

// One row per key, in the file's order; text rows have no number members and
// number rows (flags included) no text members.
struct KeyRow {
    const char *key;
    std::string TVexlor::*text;
    void (TVexlor::*setText)(const std::string &);
    int32_t TVexlor::*number;
    void (TVexlor::*setNumber)(int32_t);
    int32_t readDefault;
};

constexpr KeyRow Text(const char *key, std::string TVexlor::*field, void (TVexlor::*set)(const std::string &))
{
    return {key, field, set, nullptr, nullptr, 0};
}

constexpr KeyRow Number(const char *key, int32_t TVexlor::*field, void (TVexlor::*set)(int32_t), int32_t readDefault)
{
    return {key, nullptr, nullptr, field, set, readDefault};
}

// The read defaults of UPeriod, Chorus and the speaker channels differ from the
// record's own defaults; stored files rely on them.
const KeyRow keyRows[] = {
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
};

// A line of the file holds no line break, so a text's first line stays under its
// own key, where files without further lines keep it, and line n (from 2) goes to
// the key's name followed by "Line" and n, keys that only a text of several lines
// uses. The user options memo is such a text.
std::string ContinuationKey(const char *key, std::size_t line) { return key + ("Line" + std::to_string(line)); }

std::vector<std::string> SplitLines(const std::string &text)
{
    // The memo separates lines with CR LF; a lone CR or LF also ends a line.
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

std::string ReadText(const IniText &file, const char *key)
{
    std::string text = file.ReadString(Section, key, "");
    for (std::size_t n = 2;; ++n) {
        const auto line = file.Find(Section, ContinuationKey(key, n));
        if (!line)
            return text;
        text += "\r\n" + line->substr(0, IniText::MaxValueLength);
    }
}

void WriteText(IniText &file, const char *key, const std::string &text)
{
    const std::vector<std::string> lines = SplitLines(text);
    file.WriteString(Section, key, lines[0]);
    for (std::size_t n = 2; n <= lines.size(); ++n)
        file.WriteString(Section, ContinuationKey(key, n), lines[n - 1]);
    for (std::size_t n = lines.size() + 1; file.Find(Section, ContinuationKey(key, n)); ++n)
        file.EraseKey(Section, ContinuationKey(key, n));
}

} // namespace

void TVexlor::LoadSettings(const std::string &path)
{
    const IniText file = TIniFile(path).Read();
    for (const KeyRow &row : keyRows) {
        if (row.text)
            (this->*row.setText)(ReadText(file, row.key));
        else
            (this->*row.setNumber)(file.ReadInteger(Section, row.key, row.readDefault));
    }
}

void TVexlor::SaveSettings(const std::string &path)
{
    TIniFile(path).Update([this](IniText &file) {
        for (const KeyRow &row : keyRows) {
            if (row.text)
                WriteText(file, row.key, this->*row.text);
            else
                file.WriteInteger(Section, row.key, this->*row.number);
        }
    });
}
