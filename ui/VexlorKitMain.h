// The main window: seven pages of settings, the button strip, and the handlers
// that carry values between the controls and the settings record.
#pragma once

#include "TVexlor.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class BrowseDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class RadioGroup;
class UpDownSpinner;

class TVexlorKitMainForm : public QWidget {
    Q_OBJECT

public:
    // programFile is the program's own file: the settings file and the program's
    // read-me lie beside it.
    explicit TVexlorKitMainForm(const QString &programFile, QWidget *parent = nullptr);
    ~TVexlorKitMainForm() override;

    // Start-up, before the window shows, and shutdown, after it has closed.
    void FormCreate();
    void FormDestroy();

    // Handlers; Sender is the control that raised the event.
    void AboutButtonClick(QObject *Sender);
    void OpenButtonClick(QObject *Sender);
    void StringEditExit(QObject *Sender);
    void RadioGroupClick(QObject *Sender);
    void RadioButtonClick(QObject *Sender);
    void CheckBoxClick(QObject *Sender);
    void EditExit(QObject *Sender);
    void ComboBoxChange(QObject *Sender);
    void MainPageControlChange(QObject *Sender);
    void ReadMeButtonClick(QObject *Sender);
    void MemoExit(QObject *Sender);
    void DefaultButtonClick(QObject *Sender);
    void LaunchButtonClick(QObject *Sender);

    void CommitPage(QWidget *page);
    void CommitAllPages();
    void UpdateControls();
    void UpdateOptionsMemo();
    void LoadVexlorReadMe();

    std::unique_ptr<TVexlor> Settings;
    std::string IniPath;
    std::string OwnReadMePath;

    QTabWidget *MainPageControl = nullptr;
    QWidget *PathsSheet = nullptr;
    QWidget *ImagesSheet = nullptr;
    QWidget *VideoSoundSheet = nullptr;
    QWidget *MiscSheet = nullptr;
    QWidget *UserSheet = nullptr;
    QWidget *OptionsSheet = nullptr;
    QWidget *ReadMeSheet = nullptr;

    // Paths page.
    QFrame *VexlorPathPanel = nullptr;
    QLineEdit *VexlorPathEdit = nullptr;
    QPushButton *VexlorPathButton = nullptr;
    QFrame *EOSPanel = nullptr;
    QLineEdit *EOSEdit = nullptr;
    QPushButton *EOSButton = nullptr;
    QFrame *WPPanel = nullptr;
    QLineEdit *WPEdit = nullptr;
    QPushButton *WPButton = nullptr;
    QFrame *OS7Panel = nullptr;
    QLineEdit *OS7Edit = nullptr;
    QPushButton *OS7Button = nullptr;
    QFrame *StartupDirPanel = nullptr;
    QLineEdit *StartupDirectoryEdit = nullptr;
    QPushButton *StartupDirectoryButton = nullptr;

    // Images page.
    QFrame *CassetteAPanel = nullptr;
    QLineEdit *CassetteAEdit = nullptr;
    QPushButton *CassetteAButton = nullptr;
    QFrame *CassetteBPanel = nullptr;
    QLineEdit *CassetteBEdit = nullptr;
    QPushButton *CassetteBButton = nullptr;
    QFrame *DiskAPanel = nullptr;
    QLineEdit *DiskAEdit = nullptr;
    QPushButton *DiskAButton = nullptr;
    QFrame *DiskBPanel = nullptr;
    QLineEdit *DiskBEdit = nullptr;
    QPushButton *DiskBButton = nullptr;
    QFrame *DiskCPanel = nullptr;
    QLineEdit *DiskCEdit = nullptr;
    QPushButton *DiskCButton = nullptr;
    QFrame *DiskDPanel = nullptr;
    QLineEdit *DiskDEdit = nullptr;
    QPushButton *DiskDButton = nullptr;
    QFrame *CartridgePanel = nullptr;
    QLineEdit *CartridgeEdit = nullptr;
    QPushButton *CartridgeButton = nullptr;
    QFrame *SnapPanel = nullptr;
    QLineEdit *SnapEdit = nullptr;
    QPushButton *SnapButton = nullptr;

    // Video/Sound page.
    QGroupBox *VideoGroupBox = nullptr;
    RadioGroup *VideoModeRadioGroup = nullptr;
    QCheckBox *OverscanCheckBox = nullptr;
    QCheckBox *ShowAllSpritesCheckBox = nullptr;
    QFrame *UPeriodPanel = nullptr;
    QLineEdit *UPeriodEdit = nullptr;
    UpDownSpinner *UPeriodUpDown = nullptr;
    RadioGroup *PaletteRadioGroup = nullptr;
    RadioGroup *TDOSRadioGroup = nullptr;
    QGroupBox *SoundGroupBox = nullptr;
    QFrame *SoundDevicePanel = nullptr;
    QComboBox *SoundComboBox = nullptr;
    QFrame *VolumePanel = nullptr;
    QLineEdit *VolumeEdit = nullptr;
    UpDownSpinner *VolumeUpDown = nullptr;
    QFrame *SoundQualityPanel = nullptr;
    QLineEdit *SoundQualityEdit = nullptr;
    UpDownSpinner *SoundQualityUpDown = nullptr;
    QFrame *PanningPanel = nullptr;
    QLineEdit *PanningLevelEdit = nullptr;
    UpDownSpinner *PanningLevelUpDown = nullptr;
    QFrame *ReverbPanel = nullptr;
    QLineEdit *ReverbLevelEdit = nullptr;
    UpDownSpinner *ReverbLevelUpDown = nullptr;
    QFrame *ChorusPanel = nullptr;
    QLineEdit *ChorusLevelEdit = nullptr;
    UpDownSpinner *ChorusLevelUpDown = nullptr;
    QGroupBox *SpeakerChannelsGroupBox = nullptr;
    QLineEdit *SpeakerChannelAEdit = nullptr;
    UpDownSpinner *SpeakerChannelAUpDown = nullptr;
    QLineEdit *SpeakerChannelBEdit = nullptr;
    UpDownSpinner *SpeakerChannelBUpDown = nullptr;
    QLineEdit *SpeakerChannelCEdit = nullptr;
    UpDownSpinner *SpeakerChannelCUpDown = nullptr;
    QLineEdit *SpeakerChannelDEdit = nullptr;
    UpDownSpinner *SpeakerChannelDUpDown = nullptr;
    QFrame *SoundLogPanel = nullptr;
    QLineEdit *SoundLogEdit = nullptr;
    QPushButton *SoundLogButton = nullptr;

    // Miscellanious page.
    RadioGroup *EmulationModeRadioGroup = nullptr;
    QFrame *IFreqPanel = nullptr;
    QLineEdit *IFreqEdit = nullptr;
    UpDownSpinner *IFreqUpDown = nullptr;
    QFrame *CPUSpeedPanel = nullptr;
    QLineEdit *CPUSpeedEdit = nullptr;
    UpDownSpinner *CPUSPeedUpDown = nullptr;
    QGroupBox *ExpansionGroupBox = nullptr;
    QComboBox *ExpansionModuleComboBox = nullptr;
    QRadioButton *ExpansionMouseRadioButton = nullptr;
    QRadioButton *ExpansionJoystickRadioButton = nullptr;
    QLineEdit *SensitivityEdit = nullptr;
    UpDownSpinner *SensitivityUpDown = nullptr;
    QCheckBox *CalibrateCheckBox = nullptr;
    QGroupBox *MiscGroupBox = nullptr;
    QCheckBox *VerboseCheckBox = nullptr;
    QCheckBox *SyncCheckBox = nullptr;
    QCheckBox *AutoSnapCheckBox = nullptr;
    RadioGroup *PrinterTypeRadioGroup = nullptr;
    RadioGroup *JoystickRadioGroup = nullptr;
    QGroupBox *ButtonsGroupBox = nullptr;
    QCheckBox *SwapJoystickButtonsCheckBox = nullptr;
    QCheckBox *SwapKeyboardButtonsCheckBox = nullptr;
    QCheckBox *SwapMouseButtonsCheckBox = nullptr;
    QCheckBox *ReverseKeypadCheckBox = nullptr;
    QFrame *PrinterLogPanel = nullptr;
    QLineEdit *PrinterLogEdit = nullptr;
    QPushButton *PrinterLogButton = nullptr;
    QFrame *ParallelLogPanel = nullptr;
    QLineEdit *ParallelLogEdit = nullptr;
    QPushButton *ParallelLogButton = nullptr;
    QFrame *ExpansionRAMPanel = nullptr;
    QLineEdit *ExpansionRAMEdit = nullptr;
    UpDownSpinner *ExpansionRAMUpDown = nullptr;

    // User page.
    QPlainTextEdit *UserOptionsMemo = nullptr;
    QPlainTextEdit *Memo2 = nullptr;

    // Options page.
    QPlainTextEdit *OptionsMemo = nullptr;

    // Read Me page.
    QPushButton *VexlorKitReadMeButton = nullptr;
    QPlainTextEdit *VexlorKitReadMeMemo = nullptr;
    QPushButton *VexlorReadMeButton = nullptr;
    QPlainTextEdit *VexlorReadMeMemo = nullptr;

    // Button strip.
    QFrame *ButtonPanel = nullptr;
    QPushButton *LaunchButton = nullptr;
    QPushButton *CloseButton = nullptr;
    QPushButton *DefaultButton = nullptr;
    QPushButton *AboutButton = nullptr;

    // The Browse buttons' file dialog, made at the first Browse.
    BrowseDialog *OpenDialogue = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BuildControls();
    void BuildPages();
    void BuildButtonStrip();
    void SetTabOrders();
    void WireHandlers();
    void FitFontToWindow();
    void Handle(const std::function<void()> &handler);
    void SizeToFont();

    QString programFile_;
    // The page showing before the latest page change; none until the first.
    QWidget *PreviousPage = nullptr;
};
