// Start-up and shutdown of the main window: the settings, the working folder,
// the window's place and the page last shown.
#include "VexlorKitMain.h"

#include "ByteText.h"
#include "ReadMeText.h"
#include "TIniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include <unistd.h>

namespace {

constexpr std::string_view WindowSection = "VexlorKit";

} // namespace

void TVexlorKitMainForm::FormCreate()
{
    // The settings file and the read-me keep their names whatever the program is called.
    const QString folder = QFileInfo(programFile_).absolutePath() + QLatin1Char('/');
    OwnReadMePath = ToBytes(folder + QStringLiteral("VexlorKit.txt"));
    IniPath = ToBytes(folder + QStringLiteral("VexlorKit.ini"));

    const std::optional<QString> readMe = LoadReadMeText(OwnReadMePath);
    VexlorKitReadMeMemo->setPlainText(readMe ? *readMe : QStringLiteral("Cannot find VexlorKit.txt"));

    Settings = std::make_unique<TVexlor>();
    Settings->LoadSettings(IniPath);

    const IniText ini = TIniFile(IniPath).Read();
    const std::string cwd = ini.ReadString(WindowSection, "cwd", "");
    if (!cwd.empty())
        (void)::chdir(cwd.c_str());
    else
        AboutButtonClick(this);

    // Without a stored place the window stays where the window system puts it.
    if (ini.Find(WindowSection, "Left") || ini.Find(WindowSection, "Top"))
        move(ini.ReadInteger(WindowSection, "Left", x()), ini.ReadInteger(WindowSection, "Top", y()));

    const int page = ini.ReadInteger(WindowSection, "Page", 0);
    if (page >= 0 && page < MainPageControl->count()) {
        const QSignalBlocker noPageChange(MainPageControl);
        MainPageControl->setCurrentIndex(page);
    }

    UpdateControls();
    MainPageControlChange(MainPageControl);
}

void TVexlorKitMainForm::FormDestroy()
{
    CommitAllPages();
    // The record goes whether or not the save succeeds, so that its last response
    // file is deleted; a file that took no settings takes no window state either.
    try {
        Settings->SaveSettings(IniPath);
    } catch (...) {
        Settings.reset();
        throw;
    }
    Settings.reset();

    TIniFile(IniPath).Update([this](IniText &ini) {
        // A working folder that cannot be read keeps the one stored before.
        const QString cwd = QDir::currentPath();
        if (!cwd.isEmpty() && QDir(cwd).exists())
            ini.WriteString(WindowSection, "cwd", ToBytes(cwd));
        ini.WriteInteger(WindowSection, "Left", x());
        ini.WriteInteger(WindowSection, "Top", y());
        ini.WriteInteger(WindowSection, "Page", std::max(0, MainPageControl->currentIndex()));
    });
}
