// Reading a read-me for a memo: line breaks, and every way a file can fail to read.
#include "ReadMeText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_ReadMeText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void lineBreaks_data();
    void lineBreaks();
    void unreadableGivesNothing_data();
    void unreadableGivesNothing();
    void fileAtTheLimitIsRead();
    void nameInAnyEncodingIsFound();
    void relativePathIsFromTheCurrentFolder();

private:
    std::string Path(const char *name) const { return QFile::encodeName(dir.filePath(name)).toStdString(); }
    QTemporaryDir dir;
};

namespace {

void WriteBytes(const std::string &path, const QByteArray &bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    close(fd);
}

// A file of the given size whose bytes cost no disk space.
void WriteSparse(const std::string &path, int64_t size)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(ftruncate(fd, off_t(size)), 0);
    close(fd);
}

} // namespace

void tst_ReadMeText::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    WriteBytes(Path("plain.txt"), "text\n");
    WriteSparse(Path("over.txt"), MaxReadMeBytes + 1);
    QCOMPARE(mkfifo(Path("fifo").c_str(), 0644), 0);
}

void tst_ReadMeText::lineBreaks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << "one\ntwo\n";
    QTest::newRow("lone CR") << QByteArray("one\rtwo\r") << "one\ntwo\n";
    QTest::newRow("lone LF") << QByteArray("one\ntwo\n") << "one\ntwo\n";
    QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd\r\n") << "a\nb\nc\nd\n";
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << "a\nb";
    QTest::newRow("CR before CR LF") << QByteArray("a\r\r\nb") << "a\n\nb";
    QTest::newRow("LF before CR") << QByteArray("a\n\rb") << "a\n\nb";
    QTest::newRow("blank lines") << QByteArray("\r\n\r\n\n\r") << "\n\n\n\n";
    QTest::newRow("empty file") << QByteArray() << "";
}

void tst_ReadMeText::lineBreaks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    WriteBytes(Path("breaks.txt"), bytes);
    const std::optional<QString> loaded = LoadReadMeText(Path("breaks.txt"));
    QVERIFY(loaded);
    QCOMPARE(*loaded, text);
}

void tst_ReadMeText::unreadableGivesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty path") << "";
    QTest::newRow("missing") << "missing.txt";
    QTest::newRow("folder") << "folder";
    QTest::newRow("under a regular file") << "plain.txt/Vexlor.txt";
    QTest::newRow("one byte over the limit") << "over.txt";
    QTest::newRow("FIFO, which must not block") << "fifo";
}

void tst_ReadMeText::unreadableGivesNothing()
{
    QFETCH(QString, name);
    const std::string path = name.isEmpty() ? std::string() : Path(name.toLocal8Bit().constData());
    QVERIFY(!LoadReadMeText(path));
}

void tst_ReadMeText::fileAtTheLimitIsRead()
{
    WriteSparse(Path("limit.txt"), MaxReadMeBytes);
    const std::optional<QString> loaded = LoadReadMeText(Path("limit.txt"));
    QVERIFY(loaded);
    QCOMPARE(loaded->size(), MaxReadMeBytes);
}

void tst_ReadMeText::nameInAnyEncodingIsFound()
{
    // A byte that no UTF-8 name holds: it must reach the file system unchanged.
    const std::string path = Path("read\xff" "me.txt");
    WriteBytes(path, "found");
    QCOMPARE(LoadReadMeText(path), std::optional<QString>("found"));
}

void tst_ReadMeText::relativePathIsFromTheCurrentFolder()
{
    const QString before = QDir::currentPath();
    WriteBytes(Path("Vexlor.txt"), "beside");
    QVERIFY(QDir::setCurrent(dir.path()));
    const std::optional<QString> loaded = LoadReadMeText("Vexlor.txt");
    QDir::setCurrent(before);
    QCOMPARE(loaded, std::optional<QString>("beside"));
}

QTEST_APPLESS_MAIN(tst_ReadMeText)
#include "tst_readmetext.moc"
