// Benchmark: loading and saving a full settings file, timed beside the bare cost of a
// crash-safe file replacement so that the ratio of the two holds on a busy machine.
#include "TIniFile.h"
#include "TVexlor.h"
#include "VexlorKeys.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Check(bool ok, const std::string &what)
{
    if (!ok)
        throw std::runtime_error(what + ": " + std::strerror(errno));
}

// Every one of the 50 keys set away from its default, user options of several
// lines, the window's section, and keys and a section that VexlorKit does not know.
void WriteFullSettingsFile(const std::string &path)
{
    std::ofstream(path, std::ios::binary) << "; VexlorKit settings\r\n"
                                             "[Vexlor]\r\n"
                                             "FutureOption=on\r\n";
    TVexlor record;
    for (const VexlorKey &row : VexlorKeys) {
        if (row.text)
            (record.*row.setText)(std::string("/home/player/vexlor/media/") + row.key + ".img");
        else
            (record.*row.setNumber)(2);
    }
    record.SetUserOptions("-adam\r\n-video 2\r\n-sync 0\r\n-printer \"/home/player/print out.txt\"");
    record.SaveSettings(path);

    TIniFile file(path);
    file.Update([](IniText &text) {
        text.WriteString("VexlorKit", "cwd", "/home/player/vexlor");
        text.WriteInteger("VexlorKit", "Left", 312);
        text.WriteInteger("VexlorKit", "Top", 184);
        text.WriteInteger("VexlorKit", "Page", 4);
        text.WriteString("VexlorKit", "Theme", "dark");
        text.WriteString("Tools", "Editor", "/usr/bin/editor");
    });
}

std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The least a crash-safe save must do: read the file, write its bytes to a new file,
// flush it to disk, rename it into place and flush the folder.
void ReplaceByHand(const std::string &from, const std::string &folder, const std::string &to)
{
    const std::string bytes = ReadBytes(from);
    const std::string fresh = to + ".new";
    const int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    Check(fd >= 0, "open " + fresh);
    Check(::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()), "write " + fresh);
    Check(::fsync(fd) == 0, "fsync " + fresh);
    Check(::close(fd) == 0, "close " + fresh);
    Check(::rename(fresh.c_str(), to.c_str()) == 0, "rename " + fresh);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    Check(dir >= 0 && ::fsync(dir) == 0 && ::close(dir) == 0, "fsync " + folder);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(p * double(values.size() - 1))];
}

struct Samples {
    std::vector<double> load, save, loadAndSave, reference;
};

void RunRound(const std::string &path, const std::string &folder, const std::string &copy, Samples *samples)
{
    const auto start = Clock::now();
    TVexlor record;
    record.LoadSettings(path);
    const auto loaded = Clock::now();
    record.SaveSettings(path);
    const auto saved = Clock::now();
    ReplaceByHand(path, folder, copy);
    const auto replaced = Clock::now();
    if (samples) {
        samples->load.push_back(Milliseconds(loaded - start));
        samples->save.push_back(Milliseconds(saved - loaded));
        samples->loadAndSave.push_back(Milliseconds(saved - start));
        samples->reference.push_back(Milliseconds(replaced - saved));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    std::string folder = (std::filesystem::temp_directory_path() / "bench_settingsfile.XXXXXX").string();
    Check(::mkdtemp(folder.data()) != nullptr, "mkdtemp");
    const std::string path = folder + "/VexlorKit.ini";
    const std::string copy = folder + "/copy.ini";

    try {
        WriteFullSettingsFile(path);
        for (int i = 0; i < 20; ++i)
            RunRound(path, folder, copy, nullptr);
        Samples samples;
        for (int i = 0; i < rounds; ++i)
            RunRound(path, folder, copy, &samples);

        const double ours = Median(samples.loadAndSave);
        const double reference = Median(samples.reference);
        std::printf("settings file: %zu bytes, %d rounds, in %s\n", ReadBytes(path).size(), rounds, folder.c_str());
        const auto row = [](const char *what, const std::vector<double> &values) {
            std::printf("  %-31s median %7.3f ms   (p10 %.3f, p90 %.3f)\n", what, Median(values),
                        Percentile(values, 0.1), Percentile(values, 0.9));
        };
        row("load", samples.load);
        row("save", samples.save);
        row("load + save", samples.loadAndSave);
        row("reference: copy, fsync, rename", samples.reference);
        std::printf("  ratio (load + save) / reference: %.2f\n", ours / reference);
        std::printf("  target: load + save under 5 ms median: %s\n", ours < 5.0 ? "met" : "missed");
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_settingsfile: %s\n", e.what());
        std::filesystem::remove_all(folder);
        return 1;
    }
    std::filesystem::remove_all(folder);
    return 0;
}
