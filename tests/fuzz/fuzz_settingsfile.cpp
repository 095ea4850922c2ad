// libFuzzer target for the settings file: arbitrary file bytes, then reads and writes
// of every key the program uses, and a load, save and load of the settings record.
//
// The input is the file's bytes as they stand, so a plain settings file is a useful
// seed. The script (which keys, which operations, which values) is read from the end
// of the same bytes, as FuzzedDataProvider takes numbers from the back, and text
// values are pieces of the input, cut and dressed by the script.
#include "FileReplace.h"
#include "IniText.h"
#include "TIniFile.h"
#include "TVexlor.h"
#include "VexlorKeys.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Key {
    std::string_view section;
    std::string_view name;
};

// Section "VexlorKit" holds the window's state beside the emulator's settings.
constexpr std::string_view WindowSection = "VexlorKit";
constexpr std::string_view WindowKeys[] = {"cwd", "Left", "Top", "Page"};

std::vector<Key> AllKeys()
{
    std::vector<Key> keys;
    for (const VexlorKey &row : VexlorKeys)
        keys.push_back({VexlorSection, row.key});
    for (std::string_view name : WindowKeys)
        keys.push_back({WindowSection, name});
    return keys;
}

const std::vector<Key> keys = AllKeys();

// A private temporary folder for the load and save of the whole run.
std::string scratchFolder;

void RemoveScratchFolder()
{
    std::error_code ignored;
    if (!scratchFolder.empty())
        std::filesystem::remove_all(scratchFolder, ignored);
}

void Require(bool holds, const char *property, std::string_view key = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken: %s (key %.*s)\n", property, int(key.size()), key.data());
    RemoveScratchFolder();
    std::abort();
}

using Values = std::vector<std::optional<std::string>>;

Values AllValues(const IniText &text)
{
    Values values;
    for (const Key &key : keys)
        values.push_back(text.Find(key.section, key.name));
    return values;
}

std::string ReadLimited(const std::string &value) { return value.substr(0, IniText::MaxValueLength); }

// Lines as a reader of the bytes sees them, split here independently of IniText.
struct Line {
    std::string_view text;
    std::string_view end;
    bool operator==(const Line &other) const { return text == other.text && end == other.end; }
};

struct Lines {
    bool byteOrderMark = false;
    std::vector<Line> lines;
};

Lines SplitLines(std::string_view bytes)
{
    Lines result;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        result.byteOrderMark = true;
        bytes.remove_prefix(3);
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const std::size_t end = bytes.compare(i, 2, "\r\n") == 0 ? i + 2 : i + 1;
        result.lines.push_back({bytes.substr(start, i - start), bytes.substr(i, end - i)});
        start = end;
        i = end - 1;
    }
    if (start < bytes.size())
        result.lines.push_back({bytes.substr(start), ""});
    return result;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimFront(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// "name = value" with any case and blanks, the shape of the key's own line.
bool IsEntryOf(std::string_view text, const Key &key)
{
    text = TrimFront(text);
    if (text.size() <= key.name.size())
        return false;
    for (std::size_t i = 0; i < key.name.size(); ++i)
        if (Lower(text[i]) != Lower(key.name[i]))
            return false;
    text = TrimFront(text.substr(key.name.size()));
    return !text.empty() && text.front() == '=';
}

bool IsHeaderOf(std::string_view text, const Key &key) { return text == "[" + std::string(key.section) + "]"; }

// One write leaves the file as it was, rewrites the one line that holds the key, or
// adds the key's line (with a header, after a blank line, when its section is new).
// Every other line keeps its bytes and its place, except that a last line without a
// line end gains one when a line is added after it.
void RequireOneLineChange(const std::string &beforeBytes, const std::string &afterBytes, const Key &key)
{
    const Lines beforeLines = SplitLines(beforeBytes);
    const Lines afterLines = SplitLines(afterBytes);
    Require(beforeLines.byteOrderMark == afterLines.byteOrderMark, "a write keeps the byte order mark", key.name);
    const std::vector<Line> &before = beforeLines.lines;
    const std::vector<Line> &after = afterLines.lines;
    const std::size_t nb = before.size();
    const std::size_t na = after.size();
    Require(na >= nb, "a write removes no line", key.name);

    std::size_t prefix = 0;
    while (prefix < nb && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < nb - prefix && before[nb - 1 - suffix] == after[na - 1 - suffix])
        ++suffix;

    if (na == nb) {
        if (prefix == nb)
            return;
        Require(prefix + suffix + 1 == nb, "a write rewrites at most one line", key.name);
        Require(IsEntryOf(before[prefix].text, key) && IsEntryOf(after[prefix].text, key)
                    && before[prefix].end == after[prefix].end,
                "a write rewrites only its key's line", key.name);
        return;
    }

    if (prefix + 1 == nb && before[prefix].end.empty() && before[prefix].text == after[prefix].text)
        ++prefix;
    Require(prefix + suffix == nb, "a write keeps every other line in its place", key.name);
    const std::size_t added = na - nb;
    Require(added <= 3 && (added == 1 || prefix == nb), "a new section goes at the end of the file", key.name);
    int entries = 0;
    for (std::size_t i = prefix; i < prefix + added; ++i) {
        const std::string_view text = after[i].text;
        if (IsEntryOf(text, key))
            ++entries;
        else
            Require(text.empty() || IsHeaderOf(text, key), "a write adds only its key, header and a blank line",
                    key.name);
    }
    Require(entries == 1, "a write adds one line for its key", key.name);
}

// A text without line breaks, cut from the input and dressed in what the format must
// survive: blanks at either end, quotes, and a length past the read limit.
std::string TextValue(FuzzedDataProvider &script, std::string_view input)
{
    const std::size_t from = script.ConsumeIntegralInRange<std::size_t>(0, input.size());
    const std::size_t length = script.ConsumeIntegralInRange<std::size_t>(0, input.size() - from);
    std::string value;
    for (char c : input.substr(from, length))
        if (c != '\r' && c != '\n')
            value += c;
    const auto shape = script.ConsumeIntegral<uint8_t>();
    if (shape & 1)
        value = " " + value;
    if (shape & 2)
        value += "\t";
    if (shape & 4)
        value = "\"" + value + "\"";
    if (shape & 8)
        value = "'" + value + "'";
    if (shape & 16)
        value.insert(0, IniText::MaxValueLength - 1 + (shape >> 5), '.');
    return value;
}

void RequireOthersUnchanged(const IniText &text, const Values &expected, std::size_t written)
{
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (i != written)
            Require(text.Find(keys[i].section, keys[i].name) == expected[i], "a write changes no other key",
                    keys[i].name);
}

// Reads and writes of the keys in memory, each write checked against the bytes
// before and after it, then the whole text parsed again.
void FuzzProfileText(std::string_view input, FuzzedDataProvider &script)
{
    IniText text(input);
    Require(text.Bytes() == input, "parsing and writing back keeps every byte");
    Values expected = AllValues(text);

    const int operations = script.ConsumeIntegralInRange(0, 24);
    for (int n = 0; n < operations && script.remaining_bytes() > 0; ++n) {
        const auto at = script.ConsumeIntegralInRange<std::size_t>(0, keys.size() - 1);
        const Key &key = keys[at];
        switch (script.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            const std::string fallback = TextValue(script, input);
            Require(text.ReadString(key.section, key.name, fallback)
                        == (expected[at] ? ReadLimited(*expected[at]) : fallback),
                    "a text read gives the stored value, cut, or the default", key.name);
            break;
        }
        case 1: {
            const auto fallback = script.ConsumeIntegral<int32_t>();
            const auto number = expected[at] ? ParseProfileInteger(*expected[at]) : std::nullopt;
            Require(text.ReadInteger(key.section, key.name, fallback) == number.value_or(fallback),
                    "a number read gives the stored number or the default", key.name);
            break;
        }
        case 2: {
            const std::string value = TextValue(script, input);
            const std::string before = text.Bytes();
            text.WriteString(key.section, key.name, value);
            RequireOneLineChange(before, text.Bytes(), key);
            Require(text.Find(key.section, key.name) == value, "a written text is stored exactly", key.name);
            Require(text.ReadString(key.section, key.name, "") == ReadLimited(value),
                    "a written text reads back up to the read limit", key.name);
            RequireOthersUnchanged(text, expected, at);
            expected[at] = value;
            break;
        }
        case 3: {
            const auto value = script.ConsumeIntegral<int32_t>();
            const std::string before = text.Bytes();
            text.WriteInteger(key.section, key.name, value);
            RequireOneLineChange(before, text.Bytes(), key);
            Require(text.ReadInteger(key.section, key.name, value ^ 1) == value, "a written number reads back",
                    key.name);
            Require(text.ReadString(key.section, key.name, "") == std::to_string(value),
                    "a number is written in plain decimal", key.name);
            RequireOthersUnchanged(text, expected, at);
            expected[at] = std::to_string(value);
            break;
        }
        }
    }

    const std::string bytes = text.Bytes();
    const IniText again(bytes);
    Require(again.Bytes() == bytes, "written bytes parse back to the same bytes");
    Require(AllValues(again) == expected, "written bytes parse back to the same values");
}

void RequireSameRecord(const TVexlor &a, const TVexlor &b, const char *property)
{
    for (const VexlorKey &row : VexlorKeys)
        Require(row.text ? a.*row.text == b.*row.text : a.*row.number == b.*row.number, property, row.key);
    Require(a.ReadMePath == b.ReadMePath, property, "ReadMePath");
    Require(a.ResponseFileName == b.ResponseFileName, property, "ResponseFileName");
}

std::string ReadFile(const std::string &path)
{
    std::string bytes;
    Require(ReadWholeFile(path, bytes) == 0, "the saved file can be read");
    return bytes;
}

const std::string &ScratchFile()
{
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz_settingsfile.XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        scratchFolder = pattern;
        std::atexit(RemoveScratchFolder);
        return scratchFolder + "/VexlorKit.ini";
    }();
    return path;
}

// Loading, saving and loading again gives the same record, keeps the window's
// section, and a user options text of several lines comes back line for line.
void FuzzSettingsRecord(std::string_view input, FuzzedDataProvider &script)
{
    const std::string &path = ScratchFile();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(input.data(), std::streamsize(input.size()));
    const IniText original(input);

    TVexlor first;
    first.LoadSettings(path);
    first.SaveSettings(path);
    const IniText saved(ReadFile(path));
    for (std::string_view name : WindowKeys)
        Require(saved.Find(WindowSection, name) == original.Find(WindowSection, name),
                "saving the settings keeps the window's section", name);
    TVexlor second;
    second.LoadSettings(path);
    RequireSameRecord(first, second, "a saved record loads back the same");

    std::string userOptions;
    std::string expected;
    const int lines = script.ConsumeIntegralInRange(1, 8);
    for (int n = 0; n < lines; ++n) {
        const std::string line = TextValue(script, input);
        const std::string separator = n > 0 ? "\r\n" : "";
        userOptions += separator + line;
        expected += separator + ReadLimited(line);
    }
    second.SetUserOptions(userOptions);
    second.SaveSettings(path);
    TVexlor third;
    third.LoadSettings(path);
    Require(third.UserOptions == expected, "user options of several lines load back line for line");
    second.SetUserOptions(expected);
    RequireSameRecord(second, third, "saving user options of several lines changes no other setting");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    FuzzedDataProvider script(data, size);
    FuzzProfileText(input, script);
    FuzzSettingsRecord(input, script);
    return 0;
}
