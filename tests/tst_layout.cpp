// The fixed-size main window shows every caption whole, whatever the desktop's
// font size: nothing is cut off and every page fits.
#include "MainWindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

class tst_Layout : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionIsWhole_data();
    void everyCaptionIsWhole();
    void pagesButtonsAndHelpReadAsWritten();
    void tabOrderFollowsThePages_data();
    void tabOrderFollowsThePages();
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

void tst_Layout::pagesButtonsAndHelpReadAsWritten()
{
    WorkingFolderGuard cwd;
    ProgramFolder folder;
    auto form = StartWindow(folder);
    QStringList tabs;
    for (int page = 0; page < form->MainPageControl->count(); ++page)
        tabs << form->MainPageControl->tabText(page);
    QCOMPARE(tabs, QStringList({"Paths", "Images", "Video/Sound", "Miscellanious", "User", "Options", "Read Me"}));

    QStringList strip;
    for (QPushButton *button : {form->LaunchButton, form->CloseButton, form->DefaultButton, form->AboutButton})
        strip << button->text() + " | " + button->toolTip();
    QCOMPARE(strip, QStringList({"Launch Vexlor | Start the emulator", "Close | Quit this program",
                                 "Reset All | Set all options to their default values",
                                 "About... | Show the way-cool about box"}));

    QCOMPARE(form->Memo2->toPlainText(),
             "Here you can type any options not currently supported by VexlorKit. The options you type here will be "
             "passed\n"
             "to the emulator after all other options have been passed to it, so you can  overwrite almost all options "
             "set in the other\n"
             "tabs, e.g. If you select ColecoVision emulation and you  type \"-adam\" here, the emulator will start in "
             "Coleco ADAM\n"
             "mode.");
    QCOMPARE(form->SoundComboBox->count(), 8);
    QCOMPARE(form->ExpansionModuleComboBox->count(), 6);
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
}

void tst_Layout::tabOrderFollowsThePages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("video/sound") << "VideoSoundSheet"
                                 << QStringList{"VideoModeRadioGroup", "OverscanCheckBox", "ShowAllSpritesCheckBox",
                                                "UPeriodEdit", "PaletteRadioGroup", "TDOSRadioGroup", "SoundComboBox",
                                                "VolumeEdit", "SoundQualityEdit", "PanningLevelEdit",
                                                "ReverbLevelEdit", "ChorusLevelEdit", "SpeakerChannelAEdit",
                                                "SpeakerChannelBEdit", "SpeakerChannelCEdit", "SpeakerChannelDEdit",
                                                "SoundLogEdit", "SoundLogButton"};
    QTest::newRow("miscellanious")
        << "MiscSheet"
        << QStringList{"EmulationModeRadioGroup", "IFreqEdit", "CPUSpeedEdit", "ExpansionModuleComboBox",
                       "ExpansionMouseRadioButton", "ExpansionJoystickRadioButton", "SensitivityEdit",
                       "CalibrateCheckBox", "VerboseCheckBox", "SyncCheckBox", "AutoSnapCheckBox",
                       "PrinterTypeRadioGroup", "JoystickRadioGroup", "SwapJoystickButtonsCheckBox",
                       "SwapKeyboardButtonsCheckBox", "SwapMouseButtonsCheckBox", "ReverseKeypadCheckBox",
                       "PrinterLogEdit", "PrinterLogButton", "ParallelLogEdit", "ParallelLogButton",
                       "ExpansionRAMEdit"};
    QTest::newRow("read me") << "ReadMeSheet"
                             << QStringList{"VexlorKitReadMeButton", "VexlorKitReadMeMemo", "VexlorReadMeButton",
                                            "VexlorReadMeMemo"};
}

// The focus chain through a page, a radio group's items counted once as the group.
void tst_Layout::tabOrderFollowsThePages()
{
    QFETCH(QString, page);
    QFETCH(QStringList, order);
    WorkingFolderGuard cwd;
    ProgramFolder folder;
    auto form = StartWindow(folder);
    QWidget *sheet = form->findChild<QWidget *>(page);
    QStringList chain;
    QWidget *widget = form->MainPageControl->tabBar();
    do {
        widget = widget->nextInFocusChain();
        if (!sheet->isAncestorOf(widget) || widget->focusPolicy() == Qt::NoFocus)
            continue;
        QString name = widget->objectName();
        if (qobject_cast<QRadioButton *>(widget) && name.isEmpty())
            name = widget->parentWidget()->objectName();
        if (chain.isEmpty() || chain.last() != name)
            chain << name;
    } while (widget != form->MainPageControl->tabBar());
    QCOMPARE(chain, order);
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
