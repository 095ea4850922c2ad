// The fixed-size main window shows every caption whole, whatever the desktop's
// font size: nothing is cut off and every page fits.
#include "MainWindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>
#include <QTest>

class tst_Layout : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionIsWhole_data();
    void everyCaptionIsWhole();
};

void tst_Layout::everyCaptionIsWhole_data()
{
    QTest::addColumn<double>("desktopPoints");
    QTest::newRow("usual") << 9.0;
    QTest::newRow("small") << 7.0;
    QTest::newRow("large") << 12.0;
}

void tst_Layout::everyCaptionIsWhole()
{
    QFETCH(double, desktopPoints);
    const QFont desktop = QApplication::font();
    QFont font = desktop;
    font.setPointSizeF(desktopPoints);
    QApplication::setFont(font);
    WorkingFolderGuard cwd;
    ProgramFolder folder;
    folder.writeIni("[VexlorKit]\ncwd=" + QFile::encodeName(QDir::currentPath()) + "\n");
    auto form = StartWindow(folder);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->size(), QSize(592, 459));
    QVERIFY(form->font().pointSizeF() <= desktopPoints);

    for (int page = 0; page < form->MainPageControl->count(); ++page) {
        form->MainPageControl->setCurrentIndex(page);
        QApplication::processEvents();
        for (QWidget *widget : form->MainPageControl->widget(page)->findChildren<QWidget *>()) {
            if (!widget->isVisible())
                continue;
            const QString where = form->MainPageControl->tabText(page) + ": " + widget->objectName() + " "
                                  + widget->metaObject()->className();
            const auto *label = qobject_cast<QLabel *>(widget);
            const auto *button = qobject_cast<QAbstractButton *>(widget);
            const bool captioned = (label && !label->wordWrap()) || (button && !button->text().isEmpty())
                                   || qobject_cast<QGroupBox *>(widget) || qobject_cast<QComboBox *>(widget);
            if (captioned)
                QVERIFY2(widget->width() >= widget->minimumSizeHint().width(), qPrintable(where));
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(where));
        }
    }
    QApplication::setFont(desktop);
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
