// The text of a profile (INI) file, read and changed without disturbing any line
// that is not written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The number rule of profile files: blanks in front, an optional sign, then decimal
// digits, or hexadecimal digits after "0x", "0X" or "$". Anything else, and a number
// outside the signed 32-bit range, is no number.
std::optional<int32_t> ParseProfileInteger(std::string_view text);

class IniText {
public:
    IniText() = default;
    explicit IniText(std::string_view bytes);

    // The file's bytes: every line that no write touched is as it was read.
    std::string Bytes() const;

    // Section and key names match without regard to case; the first occurrence
    // of a name is the one read and written.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string &defaultValue) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;

    // A value cannot hold a line break and a name must be one a line can hold;
    // anything else is refused with std::invalid_argument.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    // Removes every line of the key from its section, so that it reads as missing.
    void EraseKey(std::string_view section, std::string_view key);

    // Longer values read back cut to this many bytes.
    static constexpr std::size_t MaxValueLength = 1023;

private:
    // Every lookup walks the lines, so what a line's text holds is worked out once.
    struct Line {
        Line(std::string text, std::string end);
        std::string text;
        std::string end; // "\r\n", "\n", "\r" or "" for a last line without one
        bool isSection = false;
        bool isEntry = false;
        std::string name;  // the section's name or the entry's key
        std::string value; // the entry's value, without the quotes around it
    };

    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindEntry(std::string_view section, std::string_view key) const;
    std::string LineEnd() const;
    void Insert(std::size_t at, std::string text);

    bool byteOrderMark_ = false;
    std::vector<Line> lines_;
};
