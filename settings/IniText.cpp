// The profile-file format: sections, key=value entries, and every other line kept.
#include "IniText.h"

#include <stdexcept>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsQuoted(std::string_view v) { return v.size() >= 2 && IsQuote(v.front()) && v.front() == v.back(); }

std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> ParseEntry(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() == '[' || line.front() == ';')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    std::string_view value = Trim(line.substr(equals + 1));
    if (IsQuoted(value))
        value = value.substr(1, value.size() - 2);
    return Entry{Trim(line.substr(0, equals)), value};
}

// What the program writes must read back exactly, so blanks at either end and
// a value that looks quoted are kept inside a pair of double quotes.
std::string Encode(std::string_view value)
{
    const bool guard = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsQuoted(value));
    return guard ? "\"" + std::string(value) + "\"" : std::string(value);
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

void CheckName(std::string_view name, std::string_view forbidden)
{
    if (name.empty() || name != Trim(name) || HasLineBreak(name)
        || name.find_first_of(forbidden) != std::string_view::npos || name.front() == ';' || name.front() == '[')
        throw std::invalid_argument("not a profile name: " + std::string(name));
}

} // namespace

std::optional<int32_t> ParseProfileInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (text.substr(i, 2) == "0x" || text.substr(i, 2) == "0X") {
        base = 16;
        i += 2;
    } else if (text.substr(i, 1) == "$") {
        base = 16;
        i += 1;
    }
    if (i == text.size())
        return std::nullopt;
    const int64_t limit = int64_t(INT32_MAX) + 1;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && Lower(c) >= 'a' && Lower(c) <= 'f')
            digit = Lower(c) - 'a' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return std::nullopt;
    return int32_t(value);
}

IniText::Line::Line(std::string lineText, std::string lineEnd) : text(std::move(lineText)), end(std::move(lineEnd))
{
    if (const auto section = SectionName(text)) {
        isSection = true;
        name = *section;
    } else if (const auto entry = ParseEntry(text)) {
        isEntry = true;
        name = entry->key;
        value = entry->value;
    }
}

IniText::IniText(std::string_view bytes)
{
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        byteOrderMark_ = true;
        bytes.remove_prefix(ByteOrderMark.size());
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const std::size_t endLength = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
        lines_.emplace_back(std::string(bytes.substr(start, i - start)), std::string(bytes.substr(i, endLength)));
        i += endLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        lines_.emplace_back(std::string(bytes.substr(start)), "");
}

std::string IniText::Bytes() const
{
    std::string bytes = byteOrderMark_ ? std::string(ByteOrderMark) : std::string();
    for (const Line &line : lines_)
        bytes += line.text + line.end;
    return bytes;
}

std::optional<std::size_t> IniText::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].isSection && SameName(lines_[i].name, section))
            return i;
    return std::nullopt;
}

// One past the last line that belongs to the section whose header is at header.
std::size_t IniText::SectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < lines_.size() && !lines_[i].isSection)
        ++i;
    return i;
}

std::optional<std::size_t> IniText::FindEntry(std::string_view section, std::string_view key) const
{
    const auto header = FindSection(section);
    if (!header)
        return std::nullopt;
    for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i)
        if (lines_[i].isEntry && SameName(lines_[i].name, key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniText::Find(std::string_view section, std::string_view key) const
{
    const auto at = FindEntry(section, key);
    if (!at)
        return std::nullopt;
    return lines_[*at].value;
}

std::string IniText::ReadString(std::string_view section, std::string_view key,
                                const std::string &defaultValue) const
{
    const auto value = Find(section, key);
    return value ? value->substr(0, MaxValueLength) : defaultValue;
}

int32_t IniText::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const
{
    const auto value = Find(section, key);
    const auto number = value ? ParseProfileInteger(*value) : std::nullopt;
    return number ? *number : defaultValue;
}

// New lines follow the file's own line ends.
std::string IniText::LineEnd() const
{
    for (const Line &line : lines_)
        if (!line.end.empty())
            return line.end;
    return "\n";
}

void IniText::Insert(std::size_t at, std::string text)
{
    if (at > 0 && lines_[at - 1].end.empty())
        lines_[at - 1].end = LineEnd();
    // A lone CR right before an empty line that ends with LF would read back as one
    // CR LF, losing a line; where the new line would make such a pair, it ends with
    // CR LF instead.
    std::string end = LineEnd();
    const bool afterLoneCR = end == "\n" && text.empty() && at > 0 && lines_[at - 1].end == "\r";
    const bool beforeEmptyLF = end == "\r" && at < lines_.size() && lines_[at].text.empty() && lines_[at].end == "\n";
    if (afterLoneCR || beforeEmptyLF)
        end = "\r\n";
    lines_.insert(lines_.begin() + std::ptrdiff_t(at), Line(std::move(text), std::move(end)));
}

void IniText::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    CheckName(section, "]");
    CheckName(key, "=");
    if (HasLineBreak(value))
        throw std::invalid_argument("a profile value cannot hold a line break");

    if (const auto at = FindEntry(section, key)) {
        Line &old = lines_[*at];
        if (old.value != value)
            old = Line(old.name + "=" + Encode(value), old.end);
        return;
    }
    std::string line = std::string(key) + "=" + Encode(value);
    if (const auto header = FindSection(section)) {
        std::size_t after = *header;
        for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i)
            if (lines_[i].isEntry)
                after = i;
        Insert(after + 1, std::move(line));
        return;
    }
    // A new section stands apart from what came before it.
    if (!lines_.empty() && !Trim(lines_.back().text).empty())
        Insert(lines_.size(), "");
    Insert(lines_.size(), "[" + std::string(section) + "]");
    Insert(lines_.size(), std::move(line));
}

void IniText::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniText::EraseKey(std::string_view section, std::string_view key)
{
    // A duplicate left behind would be read in the erased line's place.
    while (const auto at = FindEntry(section, key))
        lines_.erase(lines_.begin() + std::ptrdiff_t(*at));
}
