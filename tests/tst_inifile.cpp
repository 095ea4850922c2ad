// The settings-file object: the profile format, every unknown byte kept, safe writes.
#include "IniText.h"
#include "TIniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_IniFile : public QObject {
    Q_OBJECT

private slots:
    void numberRule_data();
    void numberRule();
    void messyFileReadsAndKeepsEveryOtherByte();
    void writtenValuesReadBack_data();
    void writtenValuesReadBack();
    void newLinesKeepLoneCarriageReturnsApart_data();
    void newLinesKeepLoneCarriageReturnsApart();
    void lineBreaksAndBadNamesAreRefused();
    void longValuesReadCut();
    void missingFileGivesDefaultsAndCreatesNothing();
    void failedWriteNamesFileAndKeepsIt();
    void symbolicLinkStaysALink();
    void permissionBitsAreKept();
    void fileTheUserMayNotWriteIsNotReplaced();
    void folderWithoutNewFilesIsWrittenInPlace();
};

namespace {

std::string ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return f.readAll().toStdString();
}

void WriteAll(const QString &path, const std::string &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
}

// Runs body in a child process, as the unprivileged user "nobody" when asked, so
// that permission bits count even where the tests run as root. Gives its exit code.
int InChild(bool asNobody, const std::function<int()> &body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (asNobody && geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(100);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

// A folder that the child's user can enter.
QString OpenFolder(const QTemporaryDir &dir, const char *name, mode_t mode)
{
    const QString path = dir.filePath(name);
    mkdir(QFile::encodeName(path).constData(), 0777);
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    chmod(QFile::encodeName(path).constData(), mode);
    return path;
}

} // namespace

void tst_IniFile::numberRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "12" << true << 12;
    QTest::newRow("blanks in front") << " \t12" << true << 12;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("minus") << "-5" << true << -5;
    QTest::newRow("0x") << "0x1F" << true << 31;
    QTest::newRow("0X lower digits") << "0X1f" << true << 31;
    QTest::newRow("dollar") << "$1F" << true << 31;
    QTest::newRow("negative hex") << "-$10" << true << -16;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("largest") << "2147483647" << true << int(INT32_MAX);
    QTest::newRow("smallest") << "-2147483648" << true << int(INT32_MIN);
    QTest::newRow("past largest") << "2147483648" << false << 0;
    QTest::newRow("past smallest") << "-2147483649" << false << 0;
    QTest::newRow("hex past largest") << "0x80000000" << false << 0;
    QTest::newRow("very long") << "99999999999999999999999" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("trailing letter") << "12x" << false << 0;
    QTest::newRow("trailing blank") << "12 " << false << 0;
    QTest::newRow("inner blank") << "1 2" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("blank after sign") << "- 3" << false << 0;
    QTest::newRow("prefix alone") << "0x" << false << 0;
    QTest::newRow("dollar alone") << "$" << false << 0;
    QTest::newRow("hex digits without prefix") << "1F" << false << 0;
    QTest::newRow("grouped") << "1,000" << false << 0;
}

void tst_IniFile::numberRule()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(int, value);
    const auto parsed = ParseProfileInteger(text.toStdString());
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
    IniText file("[S]\nk=\"" + text.toStdString() + "\"\n");
    QCOMPARE(file.ReadInteger("S", "k", -77), isNumber ? value : -77);
}

void tst_IniFile::messyFileReadsAndKeepsEveryOtherByte()
{
    const std::string messy = "\xEF\xBB\xBF; VexlorKit settings\r\n"
                              "\r\n"
                              "[other]\r\n"
                              "volume=99\r\n"
                              "[vexlor]\r\n"
                              "  volume = 12  \r\n"
                              "Unknown=keep me\n"
                              "EOSImage = \" spaced \"\n"
                              "WPImage='single'\r"
                              "not an entry line\r\n"
                              "bytes=\xff\xfe\x80\r\n"
                              "VOLUME=3\r\n"
                              "; trailing comment\r\n"
                              "\r\n"
                              "[Last]\r\n"
                              "x=1";
    QTemporaryDir dir;
    const QString path = dir.filePath("VexlorKit.ini");
    WriteAll(path, messy);
    TIniFile ini(path.toStdString());

    QCOMPARE(ini.ReadInteger("Vexlor", "Volume", 0), 12);
    QCOMPARE(ini.ReadInteger("OTHER", "Volume", 0), 99);
    QCOMPARE(ini.ReadString("Vexlor", "EOSImage", "-"), std::string(" spaced "));
    QCOMPARE(ini.ReadString("Vexlor", "WPImage", "-"), std::string("single"));
    QCOMPARE(ini.ReadString("Vexlor", "bytes", "-"), std::string("\xff\xfe\x80"));
    QCOMPARE(ini.ReadString("Vexlor", "not an entry line", "-"), std::string("-"));
    QCOMPARE(ini.ReadString("Vexlor", "Missing", "-"), std::string("-"));
    QCOMPARE(ini.ReadString("Last", "x", "-"), std::string("1"));

    ini.WriteInteger("Vexlor", "Volume", 15);
    ini.WriteString("Vexlor", "EOSImage", " spaced ");
    ini.WriteString("Vexlor", "DiskA", "");
    ini.WriteString("VexlorKit", "cwd", "/home/u");
    QCOMPARE(ReadAll(path), std::string("\xEF\xBB\xBF; VexlorKit settings\r\n"
                                        "\r\n"
                                        "[other]\r\n"
                                        "volume=99\r\n"
                                        "[vexlor]\r\n"
                                        "volume=15\r\n"
                                        "Unknown=keep me\n"
                                        "EOSImage = \" spaced \"\n"
                                        "WPImage='single'\r"
                                        "not an entry line\r\n"
                                        "bytes=\xff\xfe\x80\r\n"
                                        "VOLUME=3\r\n"
                                        "DiskA=\r\n"
                                        "; trailing comment\r\n"
                                        "\r\n"
                                        "[Last]\r\n"
                                        "x=1\r\n"
                                        "\r\n"
                                        "[VexlorKit]\r\n"
                                        "cwd=/home/u\r\n"));
}

void tst_IniFile::writtenValuesReadBack_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("blank in front") << QByteArray("  lead");
    QTest::newRow("blank behind") << QByteArray("trail\t");
    QTest::newRow("only blanks") << QByteArray("   ");
    QTest::newRow("double quoted") << QByteArray("\"q\"");
    QTest::newRow("single quoted") << QByteArray("'q'");
    QTest::newRow("one quote") << QByteArray("\"");
    QTest::newRow("unmatched quotes") << QByteArray("\"q'");
    QTest::newRow("equals") << QByteArray("a=b=c");
    QTest::newRow("backslashes") << QByteArray("C:\\EMU\\x.dsk");
    QTest::newRow("section-like") << QByteArray("[Vexlor]");
    QTest::newRow("comment-like") << QByteArray("; no comment");
    QTest::newRow("not text") << QByteArray("\xff\x00\x80", 3);
}

void tst_IniFile::writtenValuesReadBack()
{
    QFETCH(QByteArray, value);
    IniText file("[Vexlor]\nDiskA=old\n");
    file.WriteString("Vexlor", "DiskA", value.toStdString());
    file.WriteString("Vexlor", "DiskB", value.toStdString());
    const IniText reread(file.Bytes());
    QCOMPARE(reread.ReadString("Vexlor", "DiskA", "-"), value.toStdString());
    QCOMPARE(reread.ReadString("Vexlor", "DiskB", "-"), value.toStdString());
}

// Files with mixed line ends: a line ending in a lone CR and an empty line ending in
// LF must not meet, or the two would read back as one CR LF and a line would vanish.
void tst_IniFile::newLinesKeepLoneCarriageReturnsApart_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("blank line before a new section")
        << QByteArray("[Other]\nx=1\r") << QByteArray("Volume")
        << QByteArray("[Other]\nx=1\r\r\n[Vexlor]\nVolume=5\n");
    QTest::newRow("new key before a blank line")
        << QByteArray("[Vexlor]\rDiskA=a\r\n\n[Other]\r") << QByteArray("Volume")
        << QByteArray("[Vexlor]\rDiskA=a\r\nVolume=5\r\n\n[Other]\r");
}

void tst_IniFile::newLinesKeepLoneCarriageReturnsApart()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, after);
    IniText file(before.toStdString());
    file.WriteInteger("Vexlor", key.toStdString(), 5);
    QCOMPARE(QByteArray::fromStdString(file.Bytes()), after);
}

void tst_IniFile::lineBreaksAndBadNamesAreRefused()
{
    IniText file("[S]\nk=v\n");
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, file.WriteString("S", "k", "a\r\nb"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, file.WriteString("S", "k", "a\nb"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, file.WriteString("S", "k=x", "v"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, file.WriteString("S]", "k", "v"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, file.WriteString("S", "", "v"));
    QCOMPARE(file.Bytes(), std::string("[S]\nk=v\n"));
}

void tst_IniFile::longValuesReadCut()
{
    const std::string longValue(1500, 'x');
    IniText file;
    file.WriteString("S", "k", longValue);
    QCOMPARE(file.ReadString("S", "k", ""), longValue.substr(0, 1023));
}

void tst_IniFile::missingFileGivesDefaultsAndCreatesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VexlorKit.ini");
    TIniFile ini(path.toStdString());
    QCOMPARE(ini.ReadString("Vexlor", "DiskA", "d"), std::string("d"));
    QCOMPARE(ini.ReadInteger("Vexlor", "Volume", 4), 4);
    QVERIFY(!QFile::exists(path));

    ini.WriteInteger("Vexlor", "Volume", 5);
    QCOMPARE(ReadAll(path), std::string("[Vexlor]\nVolume=5\n"));
}

void tst_IniFile::failedWriteNamesFileAndKeepsIt()
{
    QTemporaryDir dir;
    WriteAll(dir.filePath("plain"), "not a folder");
    const QString under = dir.filePath("plain/VexlorKit.ini");
    try {
        TIniFile(under.toStdString()).WriteInteger("Vexlor", "Volume", 5);
        QFAIL("the write should fail");
    } catch (const IniWriteError &e) {
        QCOMPARE(QString(e.what()), "Unable to write to " + under);
    }

    // A write that dies halfway leaves the old file whole: here the file-size
    // limit stops it, which holds for root as well.
    const QString path = dir.filePath("VexlorKit.ini");
    const std::string old = "[Vexlor]\nVolume=3\n";
    WriteAll(path, old);
    const int outcome = InChild(false, [&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            TIniFile(path.toStdString()).WriteString("Vexlor", "DiskA", std::string(200, 'x'));
        } catch (const IniWriteError &) {
            return 0;
        }
        return 1;
    });
    QCOMPARE(outcome, 0);
    QCOMPARE(ReadAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void tst_IniFile::symbolicLinkStaysALink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("real.ini");
    const QString link = dir.filePath("VexlorKit.ini");
    WriteAll(target, "[Vexlor]\nVolume=3\n");
    QVERIFY(QFile::link("real.ini", link));
    TIniFile(link.toStdString()).WriteInteger("Vexlor", "Volume", 9);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(ReadAll(target), std::string("[Vexlor]\nVolume=9\n"));
}

void tst_IniFile::permissionBitsAreKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VexlorKit.ini");
    WriteAll(path, "[Vexlor]\n");
    chmod(QFile::encodeName(path).constData(), 0640);
    TIniFile(path.toStdString()).WriteInteger("Vexlor", "Volume", 9);
    struct stat st;
    QCOMPARE(stat(QFile::encodeName(path).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
}

void tst_IniFile::fileTheUserMayNotWriteIsNotReplaced()
{
    QTemporaryDir dir;
    const QString folder = OpenFolder(dir, "open", 0777);
    const QString path = folder + "/VexlorKit.ini";
    const std::string old = "[Vexlor]\nVolume=3\n";
    WriteAll(path, old);
    chmod(QFile::encodeName(path).constData(), 0444);
    const int outcome = InChild(true, [&] {
        try {
            TIniFile(path.toStdString()).WriteInteger("Vexlor", "Volume", 9);
        } catch (const IniWriteError &e) {
            return std::string(e.what()) == "Unable to write to " + path.toStdString() ? 0 : 2;
        }
        return 1;
    });
    QCOMPARE(outcome, 0);
    QCOMPARE(ReadAll(path), old);
}

void tst_IniFile::folderWithoutNewFilesIsWrittenInPlace()
{
    QTemporaryDir dir;
    const QString folder = OpenFolder(dir, "closed", 0777);
    const QString path = folder + "/VexlorKit.ini";
    WriteAll(path, "[Vexlor]\nDiskA=a much longer value than the new one\n");
    chmod(QFile::encodeName(path).constData(), 0666);
    chmod(QFile::encodeName(folder).constData(), 0555);
    const int outcome = InChild(true, [&] {
        try {
            TIniFile(path.toStdString()).WriteString("Vexlor", "DiskA", "b");
        } catch (const IniWriteError &) {
            return 1;
        }
        return 0;
    });
    QCOMPARE(outcome, 0);
    QCOMPARE(ReadAll(path), std::string("[Vexlor]\nDiskA=b\n"));
    chmod(QFile::encodeName(folder).constData(), 0777);
}

QTEST_APPLESS_MAIN(tst_IniFile)
#include "tst_inifile.moc"
