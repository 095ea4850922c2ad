// The About box: its components, picture, default button and centring.
#include "ExecAnswered.h"
#include "VexlorKitAboutBox.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

class tst_AboutBox : public QObject {
    Q_OBJECT

private slots:
    void window();
    void componentsInPlace_data();
    void componentsInPlace();
    void labelsReadableAndCentredOnTheirDesign_data();
    void labelsReadableAndCentredOnTheirDesign();
    void pictureIsBlueOnBlack();
    void enterPressesOk();
    void centredAtEveryOpening();
};

void tst_AboutBox::window()
{
    QWidget owner;
    TAboutBox box(&owner);
    QCOMPARE(box.windowTitle(), QString("About VexlorKit..."));
    QCOMPARE(box.minimumSize(), QSize(473, 178));
    QCOMPARE(box.maximumSize(), QSize(473, 178));
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box.Version->text(), QString("Version 1.1"));
    QVERIFY(!box.MakerLabel->text().isEmpty());
    QCOMPARE(box.BitBtn1->text(), QString("OK"));
    QVERIFY(!box.BitBtn1->icon().isNull());

    // The button is the one control that takes the focus.
    for (QWidget *child : box.findChildren<QWidget *>())
        QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == box.BitBtn1);
}

void tst_AboutBox::componentsInPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Panel1") << "Panel1" << "AboutBox" << QRect(8, 8, 457, 57);
    QTest::newRow("ProgramIcon") << "ProgramIcon" << "Panel1" << QRect(11, 8, 435, 39);
    QTest::newRow("BitBtn1") << "BitBtn1" << "AboutBox" << QRect(199, 144, 75, 25);
}

void tst_AboutBox::componentsInPlace()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QWidget owner;
    TAboutBox box(&owner);
    const auto *component = box.findChild<QWidget *>(name);
    QVERIFY(component);
    QCOMPARE(component->parentWidget()->objectName(), parent);
    QCOMPARE(component->geometry(), geometry);
}

void tst_AboutBox::labelsReadableAndCentredOnTheirDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("designed");
    QTest::newRow("Version") << "Version" << QRect(189, 72, 95, 24);
    QTest::newRow("MakerLabel") << "MakerLabel" << QRect(86, 112, 302, 24);
}

void tst_AboutBox::labelsReadableAndCentredOnTheirDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, designed);
    QWidget owner;
    TAboutBox box(&owner);
    const auto *label = box.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->font().pixelSize(), 19);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));

    const QRect placed = label->geometry();
    QCOMPARE(placed.top(), designed.top());
    QCOMPARE(placed.height(), designed.height());
    QVERIFY(placed.width() >= designed.width());
    QVERIFY(qAbs(placed.center().x() - designed.center().x()) <= 1);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= placed.width());
    QVERIFY(label->fontMetrics().height() <= placed.height());
    QVERIFY(QRect(QPoint(), box.size()).contains(placed));
}

void tst_AboutBox::pictureIsBlueOnBlack()
{
    QWidget owner;
    TAboutBox box(&owner);
    const QImage picture = box.ProgramIcon->pixmap().toImage();
    QCOMPARE(picture.size(), QSize(435, 39));
    int black = 0;
    int blue = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel == Qt::black)
                ++black;
            else if (pixel.blue() >= 128 && pixel.red() < pixel.blue() / 2 && pixel.green() < pixel.blue())
                ++blue;
        }
    }
    // Letters cover a fair part of the picture; everything else is black.
    QVERIFY(blue > picture.width() * picture.height() / 5);
    QVERIFY(black > picture.width() * picture.height() / 3);
    QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::black));
}

void tst_AboutBox::enterPressesOk()
{
    QWidget owner;
    TAboutBox box(&owner);
    QWidget *focused = nullptr;
    const int result = ExecAnswered(box, [&] {
        focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &box, Qt::Key_Return);
    });
    QCOMPARE(focused, box.BitBtn1);
    QVERIFY(box.BitBtn1->isDefault());
    QCOMPARE(result, int(QDialog::Accepted));
}

void tst_AboutBox::centredAtEveryOpening()
{
    QWidget owner;
    owner.setGeometry(20, 30, 200, 100);
    owner.show();
    const QPoint screenCentre = owner.screen()->availableGeometry().center();
    TAboutBox box(&owner);
    for (int opening = 1; opening <= 2; ++opening) {
        QPoint centre;
        ExecAnswered(box, [&] {
            centre = box.frameGeometry().center();
            box.BitBtn1->click();
        });
        QVERIFY2((centre - screenCentre).manhattanLength() <= 2, qPrintable(QString("opening %1").arg(opening)));
        // Moved away by the user; the next opening centres it again.
        box.move(0, 0);
    }
}

QTEST_MAIN(tst_AboutBox)
#include "tst_aboutbox.moc"
