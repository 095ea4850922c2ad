// Loading and saving the section "Vexlor" of the settings file, key by key.
#include "TIniFile.h"
#include "TVexlor.h"
#include "VexlorKeys.h"

#include <vector>

namespace {

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
    std::string text = file.ReadString(VexlorSection, key, "");
    for (std::size_t n = 2;; ++n) {
        const auto line = file.Find(VexlorSection, ContinuationKey(key, n));
        if (!line)
            return text;
        text += "\r\n" + line->substr(0, IniText::MaxValueLength);
    }
}

void WriteText(IniText &file, const char *key, const std::string &text)
{
    const std::vector<std::string> lines = SplitLines(text);
    file.WriteString(VexlorSection, key, lines[0]);
    for (std::size_t n = 2; n <= lines.size(); ++n)
        file.WriteString(VexlorSection, ContinuationKey(key, n), lines[n - 1]);
    for (std::size_t n = lines.size() + 1; file.Find(VexlorSection, ContinuationKey(key, n)); ++n)
        file.EraseKey(VexlorSection, ContinuationKey(key, n));
}

} // namespace

void TVexlor::LoadSettings(const std::string &path)
{
    const IniText file = TIniFile(path).Read();
    for (const VexlorKey &row : VexlorKeys) {
        if (row.text)
            (this->*row.setText)(ReadText(file, row.key));
        else
            (this->*row.setNumber)(file.ReadInteger(VexlorSection, row.key, row.readDefault));
    }
}

void TVexlor::SaveSettings(const std::string &path)
{
    TIniFile(path).Update([this](IniText &file) {
        for (const VexlorKey &row : VexlorKeys) {
            if (row.text)
                WriteText(file, row.key, this->*row.text);
            else
                file.WriteInteger(VexlorSection, row.key, this->*row.number);
        }
    });
}
