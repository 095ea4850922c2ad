// The settings record: ranges, defaults, the derived read-me path, the response file.
#include "TVexlor.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

class tst_SettingsRecord : public QObject {
    Q_OBJECT

private slots:
    void settersKeepValuesInRange_data();
    void settersKeepValuesInRange();
    void newRecordHoldsDefaults();
    void readMePathFollowsEmulator_data();
    void readMePathFollowsEmulator();
    void resetAllKeepsReadMePath();
    void destructionDeletesResponseFile();
};

struct NumberSetting {
    void (TVexlor::*set)(int32_t);
    int32_t TVexlor::*field;
};

static const std::map<QString, NumberSetting> numberSettings = {
    {"Volume", {&TVexlor::SetVolume, &TVexlor::Volume}},
    {"IFreq", {&TVexlor::SetIFreq, &TVexlor::IFreq}},
    {"Sensitivity", {&TVexlor::SetSensitivity, &TVexlor::Sensitivity}},
    {"SoundDevice", {&TVexlor::SetSoundDevice, &TVexlor::SoundDevice}},
    {"ExpansionModule", {&TVexlor::SetExpansionModule, &TVexlor::ExpansionModule}},
    {"ExpansionRAMPages", {&TVexlor::SetExpansionRAMPages, &TVexlor::ExpansionRAMPages}},
    {"Overscan", {&TVexlor::SetOverscan, &TVexlor::Overscan}},
    {"AutoSnap", {&TVexlor::SetAutoSnap, &TVexlor::AutoSnap}},
    {"CPUSpeed", {&TVexlor::SetCPUSpeed, &TVexlor::CPUSpeed}},
};

void tst_SettingsRecord::settersKeepValuesInRange_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("stored");
    QTest::newRow("volume below") << "Volume" << -5 << 0;
    QTest::newRow("volume above") << "Volume" << 99 << 15;
    QTest::newRow("volume inside") << "Volume" << 7 << 7;
    QTest::newRow("ifreq below") << "IFreq" << 5 << 10;
    QTest::newRow("ifreq above stops at 500") << "IFreq" << 600 << 500;
    QTest::newRow("sensitivity zero") << "Sensitivity" << 0 << 1;
    QTest::newRow("sound device below") << "SoundDevice" << -1 << 0;
    QTest::newRow("sound device last") << "SoundDevice" << 6 << 6;
    QTest::newRow("sound device past last") << "SoundDevice" << 7 << 255;
    QTest::newRow("sound device far") << "SoundDevice" << 1000 << 255;
    QTest::newRow("sound device auto") << "SoundDevice" << 255 << 255;
    QTest::newRow("expansion 6 kept") << "ExpansionModule" << 6 << 6;
    QTest::newRow("expansion 7") << "ExpansionModule" << 7 << 6;
    QTest::newRow("ram above") << "ExpansionRAMPages" << 300 << 255;
    QTest::newRow("ram below") << "ExpansionRAMPages" << -1 << 0;
    QTest::newRow("flag 5") << "Overscan" << 5 << 1;
    QTest::newRow("flag 0") << "Overscan" << 0 << 0;
    QTest::newRow("flag negative") << "AutoSnap" << -1 << 1;
    QTest::newRow("extreme low") << "CPUSpeed" << int(INT32_MIN) << 10;
    QTest::newRow("extreme high") << "CPUSpeed" << int(INT32_MAX) << 999;
}

void tst_SettingsRecord::settersKeepValuesInRange()
{
    QFETCH(QString, setting);
    QFETCH(int, given);
    QFETCH(int, stored);
    TVexlor record;
    const NumberSetting &s = numberSettings.at(setting);
    (record.*s.set)(given);
    QCOMPARE(record.*s.field, stored);
}

void tst_SettingsRecord::newRecordHoldsDefaults()
{
    TVexlor r;
    const std::vector<int32_t> numbers = {r.VideoMode, r.UPeriod, r.Overscan, r.ShowAllSprites, r.SoundDevice,
                                          r.Volume, r.SoundQuality, r.Panning, r.Reverb, r.Chorus,
                                          r.SpeakerChannelA, r.SpeakerChannelB, r.SpeakerChannelC,
                                          r.SpeakerChannelD, r.EmuMode, r.IFreq, r.CPUSpeed, r.ExpansionModule,
                                          r.ExpansionModuleDevice, r.Sensitivity, r.Calibrate, r.Verbose, r.Sync,
                                          r.PrinterType, r.Joystick, r.SwapJoystickButtons, r.SwapKeyboardButtons,
                                          r.SwapMouseButtons, r.ReverseKeypad, r.ExpansionRAMPages, r.TDOSVideoMode,
                                          r.Palette, r.AutoSnap};
    const std::vector<int32_t> expected = {0, 3, 1, 1, 255, 10, 3, 0, 7, 0, 4, 3, 2, 1, 0, 50, 100,
                                           0, 0, 200, 0, 1, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0};
    QCOMPARE(numbers, expected);
    for (const std::string *text :
         {&r.ReadMePath, &r.VexlorPath, &r.EOSImage, &r.WPImage, &r.OS7Image, &r.StartupDirectory, &r.CassetteA,
          &r.CassetteB, &r.DiskA, &r.DiskB, &r.DiskC, &r.DiskD, &r.Cartridge, &r.SoundLog, &r.Snapshot,
          &r.ParallelLog, &r.PrinterLog, &r.UserOptions, &r.ResponseFileName})
        QVERIFY(text->empty());
}

void tst_SettingsRecord::readMePathFollowsEmulator_data()
{
    QTest::addColumn<QString>("emulator");
    QTest::addColumn<QString>("readMe");
    QTest::newRow("backslashes") << "C:\\EMU\\EMULATOR.EXE" << "C:\\EMU\\Vexlor.txt";
    QTest::newRow("slashes") << "/opt/emu/vexlor" << "/opt/emu/Vexlor.txt";
    QTest::newRow("mixed") << "emu\\bin/vexlor" << "emu\\bin/Vexlor.txt";
    QTest::newRow("folder only") << "/opt/emu/" << "/opt/emu/Vexlor.txt";
    QTest::newRow("bare name") << "EMULATOR.EXE" << "Vexlor.txt";
    QTest::newRow("empty") << "" << "Vexlor.txt";
    // Drive, folder and name must fit 259 bytes; a longer one is refused, not cut.
    QTest::newRow("longest folder") << "/" + QString(247, 'a') + "/vexlor" << "/" + QString(247, 'a') + "/Vexlor.txt";
    QTest::newRow("folder too long") << "/" + QString(248, 'a') + "/vexlor" << "";
}

void tst_SettingsRecord::readMePathFollowsEmulator()
{
    QFETCH(QString, emulator);
    QFETCH(QString, readMe);
    TVexlor record;
    record.SetVexlorPath(emulator.toStdString());
    QCOMPARE(record.VexlorPath, emulator.toStdString());
    QCOMPARE(QString::fromStdString(record.ReadMePath), readMe);
}

void tst_SettingsRecord::resetAllKeepsReadMePath()
{
    TVexlor record;
    record.SetVexlorPath("D:\\TOOLS\\EMU\\EMULATOR.EXE");
    record.SetVolume(3);
    record.SetDiskA("disk.dsk");
    record.SetUserOptions("-adam");
    record.SetExpansionRAMPages(9);
    record.SetDefaults();
    QCOMPARE(record.VexlorPath, std::string());
    QCOMPARE(record.ReadMePath, std::string("D:\\TOOLS\\EMU\\Vexlor.txt"));
    QCOMPARE(record.Volume, 10);
    QCOMPARE(record.DiskA, std::string());
    QCOMPARE(record.UserOptions, std::string());
    QCOMPARE(record.ExpansionRAMPages, 1);
}

void tst_SettingsRecord::destructionDeletesResponseFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("m2b1.tmp");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    {
        TVexlor record;
        record.ResponseFileName = path.toStdString();
    }
    QVERIFY(!QFile::exists(path));
}

QTEST_APPLESS_MAIN(tst_SettingsRecord)
#include "tst_settingsrecord.moc"
