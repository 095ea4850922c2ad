// The emulator's option list: its lines, their order, values and line ends.
#include "ShortPath.h"
#include "TVexlor.h"

#include <QTest>

#include <functional>

using Setup = std::function<void(TVexlor &)>;
Q_DECLARE_METATYPE(Setup)

class tst_OptionList : public QObject {
    Q_OBJECT

private slots:
    void defaultsGiveTwentySevenLines();
    void everySettingInItsPlace();
    void linesFollowTheirRules_data();
    void linesFollowTheirRules();
    void shortPathKeepsPath_data();
    void shortPathKeepsPath();
};

namespace {

QByteArray OptionList(const TVexlor &record)
{
    std::string list;
    record.BuildOptionList(list);
    return QByteArray::fromStdString(list);
}

} // namespace

void tst_OptionList::defaultsGiveTwentySevenLines()
{
    TVexlor record;
    record.SetVolume(3);
    record.SetDefaults();
    std::string list = "stale text";
    QCOMPARE(&record.BuildOptionList(list), &list);
    QCOMPARE(QByteArray::fromStdString(list), QByteArray("-video 0\r\n"
                                                         "-uperiod 3\r\n"
                                                         "-overscan 1\r\n"
                                                         "-sprite 0\r\n"
                                                         "-sound 255\r\n"
                                                         "-volume 10\r\n"
                                                         "-soundquality 3\r\n"
                                                         "-stereo 0\r\n"
                                                         "-reverb 7\r\n"
                                                         "-chorus 0\r\n"
                                                         "-speakerchannels 4,3,2,1\r\n"
                                                         "-adam\r\n"
                                                         "-ifreq 50\r\n"
                                                         "-cpuspeed 100\r\n"
                                                         "-expansion 0\r\n"
                                                         "-sensitivity 200\r\n"
                                                         "-calibrate 0\r\n"
                                                         "-verbose 1\r\n"
                                                         "-sync 1\r\n"
                                                         "-printertype 1\r\n"
                                                         "-joystick 1\r\n"
                                                         "-swapbuttons 0\r\n"
                                                         "-keypad 1\r\n"
                                                         "-ram 1\r\n"
                                                         "-tdos 0\r\n"
                                                         "-palette 0\r\n"
                                                         "-autosnap 0"));
}

// Every path set and every number away from its default, so that a line reading
// the wrong field shows. The emulator's own path and folder never appear.
void tst_OptionList::everySettingInItsPlace()
{
    TVexlor r;
    r.SetVexlorPath("/emu/vexlor");
    r.SetStartupDirectory("/emu/games/");
    r.SetEOSImage("/roms/eos.rom");
    r.SetWPImage("/roms/wp.rom");
    r.SetOS7Image("/roms/os7.rom");
    r.SetCassetteA("/media/tape a.ddp");
    r.SetCassetteB("/media/tapeb.ddp");
    r.SetDiskA("/media/diska.dsk");
    r.SetDiskB("/media/diskb.dsk");
    r.SetDiskC("/media/diskc.dsk");
    r.SetDiskD("/media/diskd.dsk");
    r.SetCartridge("/carts/game one.rom");
    r.SetVideoMode(2);
    r.SetUPeriod(5);
    r.SetOverscan(0);
    r.SetShowAllSprites(0);
    r.SetSoundDevice(4);
    r.SetVolume(12);
    r.SetSoundQuality(5);
    r.SetPanning(40);
    r.SetReverb(60);
    r.SetChorus(30);
    r.SetSpeakerChannelA(1);
    r.SetSpeakerChannelB(2);
    r.SetSpeakerChannelC(3);
    r.SetSpeakerChannelD(4);
    r.SetSoundLog("/logs/sound.log");
    r.SetIFreq(60);
    r.SetCPUSpeed(150);
    r.SetExpansionModule(2);
    r.SetExpansionModuleDevice(1);
    r.SetSensitivity(300);
    r.SetCalibrate(1);
    r.SetVerbose(0);
    r.SetSync(0);
    r.SetPrinterType(3);
    r.SetJoystick(2);
    r.SetSwapJoystickButtons(1);
    r.SetSwapMouseButtons(1);
    r.SetReverseKeypad(1);
    r.SetPrinterLog("/logs/printer.log");
    r.SetExpansionRAMPages(8);
    r.SetSnapshot("/snaps/game.snp");
    r.SetParallelLog("/logs/lpt.log");
    r.SetTDOSVideoMode(1);
    r.SetPalette(1);
    r.SetAutoSnap(1);
    r.SetUserOptions("-extra 1");
    QCOMPARE(OptionList(r), QByteArray("-eos /roms/eos.rom\r\n"
                                       "-wp /roms/wp.rom\r\n"
                                       "-os7 /roms/os7.rom\r\n"
                                       "-tapea /media/tape a.ddp\r\n"
                                       "-tapeb /media/tapeb.ddp\r\n"
                                       "-diska /media/diska.dsk\r\n"
                                       "-diskb /media/diskb.dsk\r\n"
                                       "-diskc /media/diskc.dsk\r\n"
                                       "-diskd /media/diskd.dsk\r\n"
                                       "/carts/game one.rom\r\n"
                                       "-video 2\r\n"
                                       "-uperiod 5\r\n"
                                       "-overscan 0\r\n"
                                       "-sprite 1\r\n"
                                       "-sound 4\r\n"
                                       "-volume 12\r\n"
                                       "-soundquality 5\r\n"
                                       "-stereo 40\r\n"
                                       "-reverb 60\r\n"
                                       "-chorus 30\r\n"
                                       "-speakerchannels 1,2,3,4\r\n"
                                       "-soundtrack /logs/sound.log\r\n"
                                       "-adam\r\n"
                                       "-ifreq 60\r\n"
                                       "-cpuspeed 150\r\n"
                                       "-expansion 4\r\n"
                                       "-sensitivity 300\r\n"
                                       "-calibrate 1\r\n"
                                       "-verbose 0\r\n"
                                       "-sync 0\r\n"
                                       "-printertype 3\r\n"
                                       "-joystick 2\r\n"
                                       "-swapbuttons 5\r\n"
                                       "-keypad 0\r\n"
                                       "-printer /logs/printer.log\r\n"
                                       "-ram 8\r\n"
                                       "-snap /snaps/game.snp\r\n"
                                       "-lpt /logs/lpt.log\r\n"
                                       "-tdos 1\r\n"
                                       "-palette 1\r\n"
                                       "-autosnap 1\r\n"
                                       "-extra 1\r\n"));
}

// Each row: the settings changed from the defaults, a run of lines the list must
// hold, and how the list must end.
void tst_OptionList::linesFollowTheirRules_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QByteArray>("ending");

    const QByteArray last = "-autosnap 0";
    const auto mode = [](const char *line) {
        return "\r\n-speakerchannels 4,3,2,1\r\n" + QByteArray(line) + "\r\n-ifreq 50\r\n";
    };
    QTest::newRow("computer chosen") << Setup([](TVexlor &r) {
        r.SetEmuMode(2);
        r.SetCartridge("/c.rom");
    }) << mode("-adam") << last;
    QTest::newRow("console chosen") << Setup([](TVexlor &r) {
        r.SetEmuMode(1);
        r.SetDiskA("/a.dsk");
    }) << mode("-cv") << last;
    QTest::newRow("automatic, nothing set") << Setup([](TVexlor &) {}) << mode("-adam") << last;
    QTest::newRow("automatic, lone cartridge") << Setup([](TVexlor &r) { r.SetCartridge("/c.rom"); })
                                               << mode("-cv") << last;
    QTest::newRow("automatic, cartridge and disk A") << Setup([](TVexlor &r) {
        r.SetCartridge("/c.rom");
        r.SetDiskA("/a.dsk");
    }) << mode("-adam") << last;
    QTest::newRow("automatic, cartridge and tape B") << Setup([](TVexlor &r) {
        r.SetCartridge("/c.rom");
        r.SetCassetteB("/b.ddp");
    }) << mode("-adam") << last;
    QTest::newRow("automatic, cartridge and disk D") << Setup([](TVexlor &r) {
        r.SetCartridge("/c.rom");
        r.SetDiskD("/d.dsk");
    }) << mode("-adam") << last;
    QTest::newRow("automatic, ROM images do not count") << Setup([](TVexlor &r) {
        r.SetCartridge("/c.rom");
        r.SetEOSImage("/eos.rom");
        r.SetWPImage("/wp.rom");
        r.SetOS7Image("/os7.rom");
    }) << mode("-cv") << last;

    const struct {
        int module, device, code;
    } expansions[] = {{0, 1, 0}, {1, 0, 1}, {1, 1, 2}, {2, 0, 3}, {2, 1, 4},
                      {3, 1, 5}, {4, 0, 6}, {5, 1, 7}, {6, 0, 0}, {6, 1, 0}};
    for (const auto &e : expansions)
        QTest::addRow("expansion %d with device %d", e.module, e.device)
            << Setup([e](TVexlor &r) {
                   r.SetExpansionModule(e.module);
                   r.SetExpansionModuleDevice(e.device);
               })
            << "\r\n-expansion " + QByteArray::number(e.code) + "\r\n" << last;

    QTest::newRow("sprites limited") << Setup([](TVexlor &r) { r.SetShowAllSprites(0); })
                                     << QByteArray("\r\n-sprite 1\r\n") << last;
    QTest::newRow("keypad reversed") << Setup([](TVexlor &r) { r.SetReverseKeypad(1); })
                                     << QByteArray("\r\n-keypad 0\r\n") << last;
    QTest::newRow("swap joystick") << Setup([](TVexlor &r) { r.SetSwapJoystickButtons(1); })
                                   << QByteArray("\r\n-swapbuttons 1\r\n") << last;
    QTest::newRow("swap keyboard") << Setup([](TVexlor &r) { r.SetSwapKeyboardButtons(1); })
                                   << QByteArray("\r\n-swapbuttons 2\r\n") << last;
    QTest::newRow("swap mouse") << Setup([](TVexlor &r) { r.SetSwapMouseButtons(1); })
                                << QByteArray("\r\n-swapbuttons 4\r\n") << last;
    QTest::newRow("swap all") << Setup([](TVexlor &r) {
        r.SetSwapJoystickButtons(1);
        r.SetSwapKeyboardButtons(1);
        r.SetSwapMouseButtons(1);
    }) << QByteArray("\r\n-swapbuttons 7\r\n") << last;

    QTest::newRow("cartridge alone on its line, first") << Setup([](TVexlor &r) { r.SetCartridge("/c d.rom"); })
                                                        << QByteArray("/c d.rom\r\n-video 0\r\n") << last;
    QTest::newRow("cartridge after the disks") << Setup([](TVexlor &r) {
        r.SetCartridge("/c.rom");
        r.SetDiskD("/d.dsk");
    }) << QByteArray("-diskd /d.dsk\r\n/c.rom\r\n-video 0\r\n") << last;

    QTest::newRow("user option after the program's") << Setup([](TVexlor &r) {
        r.SetEmuMode(1);
        r.SetUserOptions("-adam");
    }) << mode("-cv") << QByteArray("-autosnap 0\r\n-adam\r\n");
    QTest::newRow("user options of two lines") << Setup([](TVexlor &r) { r.SetUserOptions("-video 2\r\n-sync 0"); })
                                               << QByteArray("-video 0\r\n-uperiod 3\r\n")
                                               << QByteArray("-autosnap 0\r\n-video 2\r\n-sync 0\r\n");
    QTest::newRow("user options kept as typed") << Setup([](TVexlor &r) { r.SetUserOptions(" -x  y \r\n"); })
                                                << QByteArray("\r\n-sync 1\r\n")
                                                << QByteArray("-autosnap 0\r\n -x  y \r\n\r\n");
}

void tst_OptionList::linesFollowTheirRules()
{
    QFETCH(Setup, setup);
    QFETCH(QByteArray, lines);
    QFETCH(QByteArray, ending);
    TVexlor record;
    setup(record);
    const QByteArray list = OptionList(record);
    QVERIFY2(list.contains(lines), list.constData());
    QVERIFY2(list.endsWith(ending), list.constData());
}

void tst_OptionList::shortPathKeepsPath_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blanks") << QByteArray("/my games/long name.rom");
    QTest::newRow("missing file") << QByteArray("/no/such/file.dsk");
    QTest::newRow("longer than any buffer") << "/" + QByteArray(5000, 'x');
}

void tst_OptionList::shortPathKeepsPath()
{
    QFETCH(QByteArray, path);
    QCOMPARE(QByteArray::fromStdString(ShortPath(path.toStdString())), path);
}

QTEST_APPLESS_MAIN(tst_OptionList)
#include "tst_optionlist.moc"
