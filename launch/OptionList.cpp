// The emulator's option list: one option per line, built from the settings record.
#include "TVexlor.h"

#include "ShortPath.h"

namespace {

using Computed = std::string (*)(const TVexlor &);

// One line of the list: its option word (with the blank before the value) and
// where the value comes from. A path line is left out while its path is empty.
struct OptionLine {
    constexpr OptionLine(const char *w, std::string TVexlor::*p) : word(w), path(p) {}
    constexpr OptionLine(const char *w, int32_t TVexlor::*n) : word(w), number(n) {}
    constexpr OptionLine(const char *w, Computed c) : word(w), computed(c) {}

    const char *word;
    std::string TVexlor::*path = nullptr;
    int32_t TVexlor::*number = nullptr;
    Computed computed = nullptr;
};

// The emulator's codes for the expansion modules: one row per module, with the
// code when a mouse drives it and when an analogue joystick does. A module
// without a row gets 0, as "none" does.
struct ExpansionRow {
    int32_t module;
    int32_t withMouse;
    int32_t withJoystick;
};

const ExpansionRow expansionCodes[] = {
    {0, 0, 0}, // none
    {1, 1, 2}, // Roller Controller
    {2, 3, 4}, // Driving Module
    {3, 5, 5}, // Speed Roller on both ports
    {4, 6, 6}, // Speed Roller on port 1
    {5, 7, 7}, // Speed Roller on port 2
};

std::string ExpansionCode(const TVexlor &v)
{
    for (const ExpansionRow &row : expansionCodes)
        if (row.module == v.ExpansionModule)
            return std::to_string(v.ExpansionModuleDevice != 0 ? row.withJoystick : row.withMouse);
    return "0";
}

// Automatic mode picks the game console for a lone cartridge and the computer
// whenever a tape or disk is set, or nothing is.
std::string EmulationMode(const TVexlor &v)
{
    if (v.EmuMode == 2)
        return "-adam";
    if (v.EmuMode != 0)
        return "-cv";
    const bool media = !(v.CassetteA.empty() && v.CassetteB.empty() && v.DiskA.empty() && v.DiskB.empty() &&
                         v.DiskC.empty() && v.DiskD.empty());
    return !media && !v.Cartridge.empty() ? "-cv" : "-adam";
}

// The emulator counts the other way round for sprites and the keypad.
std::string SpriteLimit(const TVexlor &v) { return v.ShowAllSprites ? "0" : "1"; }
std::string KeypadOrder(const TVexlor &v) { return v.ReverseKeypad ? "0" : "1"; }

std::string SwapButtons(const TVexlor &v)
{
    return std::to_string(v.SwapJoystickButtons + 2 * v.SwapKeyboardButtons + 4 * v.SwapMouseButtons);
}

std::string SpeakerChannels(const TVexlor &v)
{
    return std::to_string(v.SpeakerChannelA) + "," + std::to_string(v.SpeakerChannelB) + "," +
           std::to_string(v.SpeakerChannelC) + "," + std::to_string(v.SpeakerChannelD);
}

// The emulator reads the lines in this order; VexlorPath and StartupDirectory are
// for starting it and are not among them.
const OptionLine optionLines[] = {
    {"-eos ", &TVexlor::EOSImage},
    {"-wp ", &TVexlor::WPImage},
    {"-os7 ", &TVexlor::OS7Image},
    {"-tapea ", &TVexlor::CassetteA},
    {"-tapeb ", &TVexlor::CassetteB},
    {"-diska ", &TVexlor::DiskA},
    {"-diskb ", &TVexlor::DiskB},
    {"-diskc ", &TVexlor::DiskC},
    {"-diskd ", &TVexlor::DiskD},
    {"", &TVexlor::Cartridge},
    {"-video ", &TVexlor::VideoMode},
    {"-uperiod ", &TVexlor::UPeriod},
    {"-overscan ", &TVexlor::Overscan},
    {"-sprite ", SpriteLimit},
    {"-sound ", &TVexlor::SoundDevice},
    {"-volume ", &TVexlor::Volume},
    {"-soundquality ", &TVexlor::SoundQuality},
    {"-stereo ", &TVexlor::Panning},
    {"-reverb ", &TVexlor::Reverb},
    {"-chorus ", &TVexlor::Chorus},
    {"-speakerchannels ", SpeakerChannels},
    {"-soundtrack ", &TVexlor::SoundLog},
    {"", EmulationMode},
    {"-ifreq ", &TVexlor::IFreq},
    {"-cpuspeed ", &TVexlor::CPUSpeed},
    {"-expansion ", ExpansionCode},
    {"-sensitivity ", &TVexlor::Sensitivity},
    {"-calibrate ", &TVexlor::Calibrate},
    {"-verbose ", &TVexlor::Verbose},
    {"-sync ", &TVexlor::Sync},
    {"-printertype ", &TVexlor::PrinterType},
    {"-joystick ", &TVexlor::Joystick},
    {"-swapbuttons ", SwapButtons},
    {"-keypad ", KeypadOrder},
    {"-printer ", &TVexlor::PrinterLog},
    {"-ram ", &TVexlor::ExpansionRAMPages},
    {"-snap ", &TVexlor::Snapshot},
    {"-lpt ", &TVexlor::ParallelLog},
    {"-tdos ", &TVexlor::TDOSVideoMode},
    {"-palette ", &TVexlor::Palette},
    {"-autosnap ", &TVexlor::AutoSnap},
};

} // namespace

// Lines are joined by CR LF, so the last one, "-autosnap ", has no line end of its
// own; the user's options follow it unchanged, after everything generated.
std::string &TVexlor::BuildOptionList(std::string &list) const
{
    list.clear();
    for (const OptionLine &line : optionLines) {
        if (line.path && (this->*line.path).empty())
            continue;
        if (!list.empty())
            list += "\r\n";
        list += line.word;
        if (line.path)
            list += ShortPath(this->*line.path);
        else if (line.number)
            list += std::to_string(this->*line.number);
        else
            list += line.computed(*this);
    }
    if (!UserOptions.empty())
        list += "\r\n" + UserOptions + "\r\n";
    return list;
}
