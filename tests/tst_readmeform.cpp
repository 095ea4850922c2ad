// The read-me viewer: its layout, resizing, and a text shown as the opener gives it.
#include "ExecAnswered.h"
#include "VexlorKitReadMe.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

class tst_ReadMeForm : public QObject {
    Q_OBJECT

private slots:
    void builtAtItsDesignedPlace();
    void layoutFollowsTheSize_data();
    void layoutFollowsTheSize();
    void showsWhatTheOpenerGives();
};

namespace {

// Memo above, a 33-pixel panel across the foot, Close 8, 4 inside it.
void VerifyLayout(const TReadMeForm &form)
{
    const QSize size = form.size();
    QCOMPARE(form.ReadMeMemo->geometry(), QRect(0, 0, size.width(), size.height() - 33));
    QCOMPARE(form.Panel1->geometry(), QRect(0, size.height() - 33, size.width(), 33));
    QCOMPARE(form.BitBtn1->parentWidget(), form.Panel1);
    QCOMPARE(form.BitBtn1->geometry(), QRect(8, 4, 75, 25));
}

} // namespace

void tst_ReadMeForm::builtAtItsDesignedPlace()
{
    QWidget owner;
    owner.show();
    TReadMeForm form(&owner);
    form.show();
    QCOMPARE(form.frameGeometry(), QRect(109, 90, 643, 435));
    VerifyLayout(form);

    QVERIFY(form.ReadMeMemo->isReadOnly());
    QCOMPARE(form.ReadMeMemo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const QFont font = form.ReadMeMemo->font();
    QCOMPARE(font.family(), QString("Courier"));
    QCOMPARE(font.styleHint(), QFont::TypeWriter);
    QCOMPARE(font.pixelSize(), 13);
    QCOMPARE(form.ReadMeMemo->palette().color(QPalette::Text), QColor(Qt::black));

    QCOMPARE(form.BitBtn1->text(), QString("&Close"));
    QVERIFY(!form.BitBtn1->icon().isNull());
    QVERIFY(!form.BitBtn1->isDefault());
    QVERIFY(!form.BitBtn1->autoDefault());
    QVERIFY(form.Panel1->frameShape() == QFrame::NoFrame);
}

void tst_ReadMeForm::layoutFollowsTheSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger") << QSize(900, 700);
    QTest::newRow("smaller") << QSize(300, 200);
}

void tst_ReadMeForm::layoutFollowsTheSize()
{
    QFETCH(QSize, size);
    QWidget owner;
    TReadMeForm form(&owner);
    form.show();
    form.resize(size);
    QCOMPARE(form.size(), size);
    VerifyLayout(form);
}

void tst_ReadMeForm::showsWhatTheOpenerGives()
{
    QWidget owner;
    owner.show();
    TReadMeForm form(&owner);
    form.setWindowTitle("VexlorKit Read Me");
    const QString longLine = QString("wide ").repeated(200);
    const QString text = "Cannot find VexlorKit.txt\n" + longLine + QString("\nmore").repeated(300);
    form.ReadMeMemo->setPlainText(text);

    QString shownTitle;
    QString shownText;
    int firstLineInView = -1;
    int linesOfTheLongLine = 0;
    int sidewaysScroll = -1;
    bool openAfterEnter = false;
    const int result = ExecAnswered(form, [&] {
        shownTitle = form.windowTitle();
        shownText = form.ReadMeMemo->toPlainText();
        firstLineInView = form.ReadMeMemo->verticalScrollBar()->value();
        linesOfTheLongLine = form.ReadMeMemo->document()->findBlockByNumber(1).layout()->lineCount();
        sidewaysScroll = form.ReadMeMemo->horizontalScrollBar()->maximum();
        // Enter in the memo is no Close.
        form.ReadMeMemo->setFocus();
        QTest::keyClick(form.ReadMeMemo, Qt::Key_Return);
        openAfterEnter = form.isVisible();
        form.BitBtn1->click();
    });
    QCOMPARE(shownTitle, QString("VexlorKit Read Me"));
    QCOMPARE(shownText, text);
    QCOMPARE(firstLineInView, 0);
    QVERIFY(linesOfTheLongLine > 1);
    QCOMPARE(sidewaysScroll, 0);
    QVERIFY(openAfterEnter);
    QCOMPARE(result, int(QDialog::Rejected));
}

QTEST_MAIN(tst_ReadMeForm)
#include "tst_readmeform.moc"
