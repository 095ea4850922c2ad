// Loading and saving the emulator's settings: read defaults, key order, every
// value through its setter, multi-line text, and failures.
#include "TIniFile.h"
#include "TVexlor.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_SettingsFile : public QObject {
    Q_OBJECT

private slots:
    void missingFileGivesReadDefaults();
    void storedValuesPassThroughSetters_data();
    void storedValuesPassThroughSetters();
    void newFileHoldsAllKeysInFileOrder();
    void saveKeepsWhatItDoesNotKnow();
    void multiLineTextComesBackWhole_data();
    void multiLineTextComesBackWhole();
    void shrinkingTextRemovesItsExtraLines();
    void shrinkingTextRemovesDuplicatedExtraLines();
    void unwritableFileFailsWithItsPath();

private:
    QTemporaryDir dir;
    QString iniPath() const { return dir.filePath("VexlorKit.ini"); }
};

namespace {

std::string ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<unreadable>");
}

void WriteAll(const QString &path, const std::string &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), qint64(bytes.size()));
}

} // namespace

void tst_SettingsFile::missingFileGivesReadDefaults()
{
    TVexlor record;
    record.LoadSettings(iniPath().toStdString() + ".missing");
    QVERIFY(!QFile::exists(iniPath() + ".missing"));
    QCOMPARE(record.UPeriod, 2);
    QCOMPARE(record.Chorus, 7);
    QCOMPARE((std::vector<int32_t>{record.SpeakerChannelA, record.SpeakerChannelB, record.SpeakerChannelC,
                                   record.SpeakerChannelD}),
             (std::vector<int32_t>{1, 2, 3, 4}));
    QCOMPARE(record.SoundDevice, 255);
    QCOMPARE(record.ReadMePath, std::string("Vexlor.txt"));

    record.SetDefaults();
    QCOMPARE(record.UPeriod, 3);
    QCOMPARE(record.Chorus, 0);
    QCOMPARE((std::vector<int32_t>{record.SpeakerChannelA, record.SpeakerChannelB, record.SpeakerChannelC,
                                   record.SpeakerChannelD}),
             (std::vector<int32_t>{4, 3, 2, 1}));
}

void tst_SettingsFile::storedValuesPassThroughSetters_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("loaded");
    QTest::newRow("volume too high") << QByteArray("Volume=99") << QByteArray("Volume") << 15;
    QTest::newRow("volume too low") << QByteArray("Volume=-5") << QByteArray("Volume") << 0;
    QTest::newRow("volume not a number") << QByteArray("Volume=abc") << QByteArray("Volume") << 10;
    QTest::newRow("volume in hex") << QByteArray("Volume=0x0C") << QByteArray("Volume") << 12;
    QTest::newRow("volume lower-case key") << QByteArray("volume = 4") << QByteArray("Volume") << 4;
    QTest::newRow("sound device 7") << QByteArray("SoundDevice=7") << QByteArray("SoundDevice") << 255;
    QTest::newRow("sound device -1") << QByteArray("SoundDevice=-1") << QByteArray("SoundDevice") << 0;
    QTest::newRow("flag 5") << QByteArray("Overscan=5") << QByteArray("Overscan") << 1;
    QTest::newRow("flag 0") << QByteArray("Overscan=0") << QByteArray("Overscan") << 0;
    QTest::newRow("uperiod empty") << QByteArray("UPeriod=") << QByteArray("UPeriod") << 2;
    QTest::newRow("beyond 32 bits") << QByteArray("IFreq=4294967346") << QByteArray("IFreq") << 50;
}

void tst_SettingsFile::storedValuesPassThroughSetters()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, field);
    QFETCH(int, loaded);
    WriteAll(iniPath(), "[vexlor]\r\n" + line.toStdString() + "\r\n");
    TVexlor record;
    record.LoadSettings(iniPath().toStdString());
    const std::map<QByteArray, int32_t> values = {{"Volume", record.Volume},
                                                  {"SoundDevice", record.SoundDevice},
                                                  {"Overscan", record.Overscan},
                                                  {"UPeriod", record.UPeriod},
                                                  {"IFreq", record.IFreq}};
    QCOMPARE(values.at(field), loaded);

    // The next save writes what the record accepted.
    record.SaveSettings(iniPath().toStdString());
    QCOMPARE(TIniFile(iniPath().toStdString()).ReadInteger("Vexlor", field.constData(), -1), loaded);
}

void tst_SettingsFile::newFileHoldsAllKeysInFileOrder()
{
    QFile::remove(iniPath());
    TVexlor record;
    record.SetVexlorPath("/opt/emu/vexlor");
    record.SetDiskB("/disks/b.dsk");
    record.SetVolume(12);
    record.SaveSettings(iniPath().toStdString());
    QCOMPARE(ReadAll(iniPath()), std::string("[Vexlor]\n"
                                             "VexlorPath=/opt/emu/vexlor\n"
                                             "EOSImage=\nWPImage=\nOS7Image=\nStartupDirectory=\n"
                                             "CassetteA=\nCassetteB=\nDiskA=\nDiskB=/disks/b.dsk\nDiskC=\nDiskD=\n"
                                             "Cartridge=\nVideoMode=0\nUPeriod=3\nOverscan=1\nShowAllSprites=1\n"
                                             "SoundDevice=255\nVolume=12\nSoundQuality=3\nPanning=0\nReverb=7\n"
                                             "Chorus=0\nSpeakerChannelA=4\nSpeakerChannelB=3\nSpeakerChannelC=2\n"
                                             "SpeakerChannelD=1\nSoundLog=\nEmuMode=0\nIFreq=50\nCPUSpeed=100\n"
                                             "ExpansionModule=0\nExpansionModuleDevice=0\nSensitivity=200\n"
                                             "Calibrate=0\nVerbose=1\nSync=1\nPrinterType=1\nJoystick=1\n"
                                             "SwapJoystickButtons=0\nSwapKeyboardButtons=0\nSwapMouseButtons=0\n"
                                             "ReverseKeypad=0\nPrinterLog=\nUserOptions=\nExpansionRAMPages=1\n"
                                             "Snapshot=\nParallelLog=\nTDOSVideoMode=0\nPalette=0\nAutoSnap=0\n"));

    TVexlor loaded;
    loaded.LoadSettings(iniPath().toStdString());
    QCOMPARE(loaded.VexlorPath, record.VexlorPath);
    QCOMPARE(loaded.ReadMePath, std::string("/opt/emu/Vexlor.txt"));
    QCOMPARE(loaded.DiskB, record.DiskB);
    QCOMPARE(loaded.Volume, 12);
    QCOMPARE(loaded.UPeriod, 3);
}

void tst_SettingsFile::saveKeepsWhatItDoesNotKnow()
{
    const std::string before = "; mine\r\n[VexlorKit]\r\ncwd=/home/u\r\n[Vexlor]\r\nFuture=1\r\nVolume=3\r\n";
    WriteAll(iniPath(), before);
    TVexlor record;
    record.LoadSettings(iniPath().toStdString());
    record.SaveSettings(iniPath().toStdString());
    const std::string after = ReadAll(iniPath());
    QVERIFY(after.rfind("; mine\r\n[VexlorKit]\r\ncwd=/home/u\r\n[Vexlor]\r\nFuture=1\r\nVolume=3\r\nVexlorPath=\r\n", 0)
            == 0);
    QCOMPARE(TIniFile(iniPath().toStdString()).Read().Find("Vexlor", "Future"), std::optional<std::string>("1"));
}

void tst_SettingsFile::multiLineTextComesBackWhole_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("two lines") << QByteArray("-adam\r\n-video 2");
    QTest::newRow("quotes and backslashes") << QByteArray("-diska \"C:\\a b\\x.dsk\"\r\n'-q'\r\n\\");
    QTest::newRow("blank lines and blanks") << QByteArray("\r\n  spaced  \r\n\r\n");
    QTest::newRow("one line") << QByteArray("-cv");
}

void tst_SettingsFile::multiLineTextComesBackWhole()
{
    QFETCH(QByteArray, text);
    WriteAll(iniPath(), "[Other]\r\nUserOptions=not mine\r\n");
    TVexlor record;
    record.SetUserOptions(text.toStdString());
    record.SetVolume(4);
    record.SaveSettings(iniPath().toStdString());

    TVexlor loaded;
    loaded.LoadSettings(iniPath().toStdString());
    QCOMPARE(loaded.UserOptions, text.toStdString());
    QCOMPARE(loaded.Volume, 4);
    QCOMPARE(TIniFile(iniPath().toStdString()).ReadString("Other", "UserOptions", ""), std::string("not mine"));
}

void tst_SettingsFile::shrinkingTextRemovesItsExtraLines()
{
    QFile::remove(iniPath());
    TVexlor record;
    record.SaveSettings(iniPath().toStdString());
    const std::string plain = ReadAll(iniPath());

    record.SetUserOptions("-adam\r\n-video 2\r\n-sync 0");
    record.SaveSettings(iniPath().toStdString());
    const IniText file = TIniFile(iniPath().toStdString()).Read();
    QCOMPARE(file.Find("Vexlor", "UserOptions"), std::optional<std::string>("-adam"));
    QCOMPARE(file.Find("Vexlor", "UserOptionsLine3"), std::optional<std::string>("-sync 0"));

    record.SetUserOptions("");
    record.SaveSettings(iniPath().toStdString());
    QCOMPARE(ReadAll(iniPath()), plain);
}

// A file edited by hand may repeat a key; a repeated extra line left behind would
// come back as a line of the text.
void tst_SettingsFile::shrinkingTextRemovesDuplicatedExtraLines()
{
    WriteAll(iniPath(), "[Vexlor]\r\n"
                        "UserOptions=-adam\r\n"
                        "UserOptionsLine2=-video 1\r\n"
                        "UserOptionsLine3=-sync 0\r\n"
                        "UserOptionsLine2=-video 2\r\n"
                        "UserOptionsLine3=-sync 1\r\n");
    TVexlor record;
    record.LoadSettings(iniPath().toStdString());
    QCOMPARE(record.UserOptions, std::string("-adam\r\n-video 1\r\n-sync 0"));

    record.SetUserOptions("-cv");
    record.SaveSettings(iniPath().toStdString());
    TVexlor loaded;
    loaded.LoadSettings(iniPath().toStdString());
    QCOMPARE(loaded.UserOptions, std::string("-cv"));
}

void tst_SettingsFile::unwritableFileFailsWithItsPath()
{
    const QString folder = dir.filePath("afile");
    WriteAll(folder, "x");
    const QString path = folder + "/VexlorKit.ini";
    TVexlor record;
    try {
        record.SaveSettings(path.toStdString());
        QFAIL("the save should fail");
    } catch (const IniWriteError &e) {
        QCOMPARE(QString(e.what()), "Unable to write to " + path);
    }
}

QTEST_APPLESS_MAIN(tst_SettingsFile)
#include "tst_settingsfile.moc"
