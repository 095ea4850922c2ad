// The main window's commits and refreshes: typed text reaches the record, numbers
// are clamped and shown back, clicks map to settings, a refresh changes nothing.
#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "TIniFile.h"
#include "UpDownSpinner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

class tst_Commit : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedTextReachesRecord_data();
    void typedTextReachesRecord();
    void numbersAreClampedAndShownBack_data();
    void numbersAreClampedAndShownBack();
    void clickedControlsStoreAtOnce();
    void dropDownsMapItemsToSettings_data();
    void dropDownsMapItemsToSettings();
    void refreshShowsAndChangesNothing();
    void resetAllShowsDefaults();
    void enterLaunchesUnlessTheControlUsesIt_data();
    void enterLaunchesUnlessTheControlUsesIt();

private:
    std::unique_ptr<WorkingFolderGuard> cwd;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TVexlorKitMainForm> form;
    std::unique_ptr<ErrorBoxes> errors;
};

namespace {

void Retype(QWidget *control, const QString &text)
{
    control->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->clear();
    else
        qobject_cast<QPlainTextEdit *>(control)->clear();
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClicks(control, lines[i]);
    }
}

} // namespace

void tst_Commit::init()
{
    cwd = std::make_unique<WorkingFolderGuard>();
    folder = std::make_unique<ProgramFolder>();
    folder->writeIni("[VexlorKit]\ncwd=" + QFile::encodeName(QDir::currentPath()) + "\nPage=0\n");
    errors = std::make_unique<ErrorBoxes>();
    form = StartWindow(*folder);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void tst_Commit::cleanup()
{
    form.reset();
    errors.reset();
    folder.reset();
    cwd.reset();
}

void tst_Commit::typedTextReachesRecord_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("stored");
    const QStringList ways = {"focus", "page", "launch", "close"};
    for (const QString &way : ways) {
        const QByteArray w = way.toLatin1();
        QTest::newRow(w + ": path") << "EOSEdit" << "/roms/eos.rom" << way << QByteArray("EOSImage")
                                    << QByteArray("/roms/eos.rom");
        QTest::newRow(w + ": number") << "VolumeEdit" << "12" << way << QByteArray("Volume") << QByteArray("12");
        QTest::newRow(w + ": number clamped") << "IFreqEdit" << "750" << way << QByteArray("IFreq")
                                              << QByteArray("500");
        QTest::newRow(w + ": memo") << "UserOptionsMemo" << "-adam\n-video 2" << way << QByteArray("UserOptions")
                                    << QByteArray("-adam\r\n-video 2");
    }
}

// Each way of leaving a control must commit what was typed into it: moving the
// focus, changing the page, launching (Enter in an edit, a click for the memo)
// and closing the window.
void tst_Commit::typedTextReachesRecord()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, stored);
    auto *widget = form->findChild<QWidget *>(control);
    QVERIFY(widget);
    ShowPageOf(*form, widget);
    Retype(widget, typed);
    QVERIFY(widget->hasFocus());

    if (leave == "focus") {
        form->LaunchButton->setFocus();
    } else if (leave == "page") {
        form->MainPageControl->setCurrentWidget(form->OptionsSheet);
        QVERIFY(form->OptionsMemo->toPlainText().contains(
            QString::fromLatin1(stored).replace("\r\n", "\n").section('\n', -1)));
    } else if (leave == "launch") {
        if (qobject_cast<QLineEdit *>(widget))
            QTest::keyClick(widget, Qt::Key_Return);
        else
            QTest::mouseClick(form->LaunchButton, Qt::LeftButton);
        QCOMPARE(errors->texts.size(), 1); // the launch ran: no emulator is set
    } else {
        form->close();
        form->FormDestroy();
        const IniText file = TIniFile(folder->iniPath().toStdString()).Read();
        if (key == "UserOptions")
            QCOMPARE(QByteArray::fromStdString(file.ReadString("Vexlor", "UserOptions", "") + "\r\n"
                                               + file.ReadString("Vexlor", "UserOptionsLine2", "")),
                     stored);
        else
            QCOMPARE(QByteArray::fromStdString(file.ReadString("Vexlor", key.constData(), "")), stored);
        return;
    }
    const std::map<QByteArray, std::string> record = {{"EOSImage", form->Settings->EOSImage},
                                                      {"Volume", std::to_string(form->Settings->Volume)},
                                                      {"IFreq", std::to_string(form->Settings->IFreq)},
                                                      {"UserOptions", form->Settings->UserOptions}};
    QCOMPARE(QByteArray::fromStdString(record.at(key)), stored);
}

void tst_Commit::numbersAreClampedAndShownBack_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters") << "VolumeEdit" << "abc" << "0";
    QTest::newRow("empty") << "SoundQualityEdit" << "" << "1";
    QTest::newRow("above the stored range") << "IFreqEdit" << "750" << "500";
    QTest::newRow("blank then 12x") << "CPUSpeedEdit" << " 12x" << "12";
    QTest::newRow("negative") << "ExpansionRAMEdit" << "-5" << "0";
    QTest::newRow("grouped thousands") << "SensitivityEdit" << "1,000" << "1";
    QTest::newRow("top of range") << "SensitivityEdit" << "1000" << "1000";
    QTest::newRow("too long for 32 bits") << "VolumeEdit" << "99999999999999999999" << "15";
    QTest::newRow("too negative for 32 bits") << "ChorusLevelEdit" << "-99999999999999999999" << "0";
    QTest::newRow("leading zeros") << "SpeakerChannelCEdit" << "003" << "3";
}

void tst_Commit::numbersAreClampedAndShownBack()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto *field = form->findChild<QLineEdit *>(edit);
    ShowPageOf(*form, field);
    field->setText(typed);
    form->EditExit(field);
    QCOMPARE(field->text(), shown);
    form->MainPageControl->setCurrentWidget(form->OptionsSheet);
    QVERIFY(form->OptionsMemo->toPlainText().contains(" " + shown));
}

void tst_Commit::clickedControlsStoreAtOnce()
{
    form->MainPageControl->setCurrentWidget(form->MiscSheet);
    QTest::mouseClick(form->ExpansionJoystickRadioButton, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(form->Settings->ExpansionModuleDevice, 1);
    QTest::mouseClick(form->ExpansionMouseRadioButton, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(form->Settings->ExpansionModuleDevice, 0);

    QTest::mouseClick(form->EmulationModeRadioGroup->Item(2), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(form->Settings->EmuMode, 2);

    const int calibrate = form->Settings->Calibrate;
    form->CalibrateCheckBox->setFocus();
    QTest::keyClick(form->CalibrateCheckBox, Qt::Key_Space);
    QCOMPARE(form->Settings->Calibrate, 1 - calibrate);

    form->ExpansionModuleComboBox->setFocus();
    QTest::keyClick(form->ExpansionModuleComboBox, Qt::Key_End);
    QCOMPARE(form->Settings->ExpansionModule, 5);
}

void tst_Commit::dropDownsMapItemsToSettings_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("stored");
    QTest::newRow("auto-detect") << "SoundComboBox" << 0 << 255;
    QTest::newRow("none") << "SoundComboBox" << 1 << 0;
    QTest::newRow("internal speaker") << "SoundComboBox" << 2 << 1;
    QTest::newRow("sb awe32") << "SoundComboBox" << 7 << 6;
    QTest::newRow("no module") << "ExpansionModuleComboBox" << 0 << 0;
    QTest::newRow("speed roller port 2") << "ExpansionModuleComboBox" << 5 << 5;
}

void tst_Commit::dropDownsMapItemsToSettings()
{
    QFETCH(QString, box);
    QFETCH(int, item);
    QFETCH(int, stored);
    auto *list = form->findChild<QComboBox *>(box);
    list->setCurrentIndex(item);
    form->ComboBoxChange(list);
    QCOMPARE(box == "SoundComboBox" ? form->Settings->SoundDevice : form->Settings->ExpansionModule, stored);

    // The refresh maps the setting back to the same item.
    list->setCurrentIndex(-1);
    form->UpdateControls();
    QCOMPARE(list->currentIndex(), item);
}

void tst_Commit::refreshShowsAndChangesNothing()
{
    folder->writeIni("[Vexlor]\nExpansionModule=6\nExpansionModuleDevice=1\nSoundDevice=0\nCalibrate=1\n"
                     "Overscan=0\nEmuMode=2\nPalette=1\nUserOptions=-a\nUserOptionsLine2=-b\nVolume=4\n"
                     "[VexlorKit]\ncwd=" + QFile::encodeName(QDir::currentPath()) + "\nPage=3\n");
    form = StartWindow(*folder);
    TVexlor loaded;
    loaded.LoadSettings(folder->iniPath().toStdString());
    const QString scratch = folder->path() + "/compare.ini";
    QCOMPARE(SavedSettings(*form->Settings, scratch), SavedSettings(loaded, scratch));

    QCOMPARE(form->ExpansionModuleComboBox->currentIndex(), -1);
    QCOMPARE(form->SoundComboBox->currentText(), "None");
    QVERIFY(form->ExpansionJoystickRadioButton->isChecked());
    QVERIFY(!form->ExpansionMouseRadioButton->isChecked());
    QVERIFY(form->CalibrateCheckBox->isChecked());
    QVERIFY(!form->OverscanCheckBox->isChecked());
    QCOMPARE(form->EmulationModeRadioGroup->ItemIndex(), 2);
    QCOMPARE(form->UserOptionsMemo->toPlainText(), "-a\n-b");
    QCOMPARE(form->VolumeEdit->text(), "4");

    form->UpdateControls();
    QCOMPARE(SavedSettings(*form->Settings, scratch), SavedSettings(loaded, scratch));
}

void tst_Commit::resetAllShowsDefaults()
{
    form->VexlorPathEdit->setText("/opt/emu/vexlor");
    form->StringEditExit(form->VexlorPathEdit);
    form->CalibrateCheckBox->setChecked(true);
    form->CheckBoxClick(form->CalibrateCheckBox);
    QTest::mouseClick(form->DefaultButton, Qt::LeftButton);

    TVexlor defaults;
    const QString scratch = folder->path() + "/compare.ini";
    QCOMPARE(SavedSettings(*form->Settings, scratch), SavedSettings(defaults, scratch));
    QCOMPARE(form->Settings->ReadMePath, std::string("/opt/emu/Vexlor.txt"));

    QStringList checked;
    for (QCheckBox *box : form->findChildren<QCheckBox *>())
        if (box->isChecked())
            checked << box->objectName();
    checked.sort();
    QCOMPARE(checked, QStringList({"OverscanCheckBox", "ShowAllSpritesCheckBox", "SyncCheckBox", "VerboseCheckBox"}));
    QStringList numbers;
    for (const char *name : {"UPeriodEdit", "VolumeEdit", "SoundQualityEdit", "ReverbLevelEdit", "SpeakerChannelAEdit",
                             "SpeakerChannelBEdit", "SpeakerChannelCEdit", "SpeakerChannelDEdit", "IFreqEdit",
                             "CPUSpeedEdit", "SensitivityEdit", "ExpansionRAMEdit"})
        numbers << form->findChild<QLineEdit *>(name)->text();
    QCOMPARE(numbers, QStringList({"3", "10", "3", "7", "4", "3", "2", "1", "50", "100", "200", "1"}));
    QVERIFY(form->VexlorPathEdit->text().isEmpty());
    std::string list;
    QCOMPARE(form->OptionsMemo->toPlainText(),
             QString::fromStdString(defaults.BuildOptionList(list)).replace("\r\n", "\n"));
}

void tst_Commit::enterLaunchesUnlessTheControlUsesIt_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("launches");
    QTest::newRow("path edit") << "VexlorPathEdit" << true;
    QTest::newRow("number edit") << "VolumeEdit" << true;
    QTest::newRow("check box") << "OverscanCheckBox" << true;
    QTest::newRow("drop-down list") << "SoundComboBox" << true;
    QTest::newRow("radio button") << "ExpansionMouseRadioButton" << true;
    QTest::newRow("page tabs") << "" << true;
    QTest::newRow("user options memo") << "UserOptionsMemo" << false;
    QTest::newRow("reset all button") << "DefaultButton" << false;
}

void tst_Commit::enterLaunchesUnlessTheControlUsesIt()
{
    QFETCH(QString, control);
    QFETCH(bool, launches);
    QWidget *widget = control.isEmpty() ? form->MainPageControl->tabBar() : form->findChild<QWidget *>(control);
    ShowPageOf(*form, widget);
    widget->setFocus();
    QVERIFY(widget->hasFocus());
    QTest::keyClick(widget, Qt::Key_Return);
    // With no emulator set, a launch shows why it could not start.
    QCOMPARE(errors->texts.size(), launches ? 1 : 0);
    if (launches)
        QVERIFY(errors->texts.first().startsWith("Cannot start \"\": "));
}

QTEST_MAIN(tst_Commit)
#include "tst_commit.moc"
