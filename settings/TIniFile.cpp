// The settings file on disk: lenient reads, all-or-nothing writes.
#include "TIniFile.h"

#include "FileReplace.h"

#include <cerrno>
#include <filesystem>

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string &defaultValue) const
{
    return Read().ReadString(section, key, defaultValue);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const
{
    return Read().ReadInteger(section, key, defaultValue);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Update([&](IniText &text) { text.WriteString(section, key, value); });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    Update([&](IniText &text) { text.WriteInteger(section, key, value); });
}

IniText TIniFile::Read() const
{
    std::string bytes;
    return ReadWholeFile(fileName_, bytes) == 0 ? IniText(bytes) : IniText();
}

void TIniFile::Update(const std::function<void(IniText &)> &edit)
{
    // A file that exists but cannot be read is not replaced: its content would be lost.
    std::string bytes;
    const int readError = ReadWholeFile(fileName_, bytes);
    if (readError != 0 && readError != ENOENT)
        Fail();
    IniText text(bytes);
    edit(text);
    if (ReplaceFile(fileName_, text.Bytes()) != 0)
        Fail();
}

void TIniFile::Fail() const
{
    std::error_code ignored;
    const auto full = std::filesystem::absolute(fileName_, ignored);
    throw IniWriteError("Unable to write to " + (full.empty() ? fileName_ : full.string()));
}
