// The main window's controls, the layout of its seven pages and the button strip.
#include "MemoFont.h"
#include "RadioGroup.h"
#include "UpDownSpinner.h"
#include "VexlorKitMain.h"
#include "VexlorKitMainBindings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int ClientWidth = 592;
constexpr int ClientHeight = 459;
constexpr int ButtonStripHeight = 35;

const char *const HelpLines[] = {
    "Here you can type any options not currently supported by VexlorKit. The options you type here will be passed",
    "to the emulator after all other options have been passed to it, so you can  overwrite almost all options set in "
    "the other",
    "tabs, e.g. If you select ColecoVision emulation and you  type \"-adam\" here, the emulator will start in Coleco "
    "ADAM",
    "mode.",
};

template <typename Widget>
Widget *Named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QFrame *RowPanel(const FormMember<QFrame> &panel)
{
    auto *frame = new QFrame;
    if (panel.name) {
        frame->setObjectName(QString::fromLatin1(panel.name));
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    }
    return frame;
}

QHBoxLayout *RowLayout(QWidget *row)
{
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);
    return layout;
}

QPlainTextEdit *Memo(const char *name, bool readOnly, QPlainTextEdit::LineWrapMode wrap)
{
    auto *memo = Named(new QPlainTextEdit, name);
    UseMemoFont(memo);
    memo->setReadOnly(readOnly);
    memo->setLineWrapMode(wrap);
    memo->setTabChangesFocus(true);
    return memo;
}

QIcon StandardIcon(QStyle::StandardPixmap icon)
{
    return QApplication::style()->standardIcon(icon);
}

QPushButton *Button(const QString &text, const QIcon &icon, const char *name)
{
    auto *button = Named(new QPushButton(icon, text), name);
    // A focused button takes Enter for itself; elsewhere Enter launches.
    button->setAutoDefault(true);
    return button;
}

QGroupBox *Group(const QString &caption, const char *name)
{
    return Named(new QGroupBox(caption), name);
}

// Group boxes hold their controls close: the window's size is fixed.
QLayout *Compact(QLayout *layout)
{
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    return layout;
}

QVBoxLayout *Column(std::initializer_list<QWidget *> widgets, bool stretch = true)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(4);
    for (QWidget *widget : widgets)
        column->addWidget(widget);
    if (stretch)
        column->addStretch();
    return column;
}

// Edits of rows on one page start at the same place.
void AlignLabels(std::initializer_list<QFrame *> rows)
{
    int width = 0;
    for (QFrame *row : rows)
        width = std::max(width, row->findChild<QLabel *>()->fontMetrics().horizontalAdvance(
                                    row->findChild<QLabel *>()->text()) + 2);
    for (QFrame *row : rows)
        row->findChild<QLabel *>()->setFixedWidth(width);
}

QVBoxLayout *PageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    return layout;
}

} // namespace

void TVexlorKitMainForm::BuildControls()
{
    // One icon for all the Browse buttons: each lookup searches the desktop's
    // icon theme, which costs the start-up more than the buttons themselves.
    const QIcon browse = StandardIcon(QStyle::SP_DirOpenIcon);
    for (const PathControl &row : PathControls) {
        QFrame *panel = this->*row.panel.pointer = RowPanel(row.panel);
        QLineEdit *edit = this->*row.edit.pointer = Named(new QLineEdit, row.edit.name);
        QPushButton *button = this->*row.button.pointer =
            Button(QStringLiteral("Browse..."), browse, row.button.name);
        QHBoxLayout *layout = RowLayout(panel);
        layout->addWidget(new QLabel(QString::fromLatin1(row.caption)));
        layout->addWidget(edit, 1);
        layout->addWidget(button);
    }
    for (const NumberControl &row : NumberControls) {
        QFrame *panel = RowPanel(row.panel);
        if (row.panel.pointer)
            this->*row.panel.pointer = panel;
        QLineEdit *edit = this->*row.edit.pointer = Named(new QLineEdit, row.edit.name);
        this->*row.upDown.pointer =
            Named(new UpDownSpinner(edit, row.min, row.max, row.increment, row.start), row.upDown.name);
        auto *label = new QLabel(QString::fromLatin1(row.caption));
        QHBoxLayout *layout = RowLayout(panel);
        layout->addWidget(label, 1);
        layout->addWidget(edit);
        layout->addWidget(this->*row.upDown.pointer);
    }
    for (const CheckControl &row : CheckControls)
        this->*row.box.pointer = Named(new QCheckBox(QString::fromLatin1(row.caption)), row.box.name);
    for (const RadioGroupControl &row : RadioGroupControls) {
        QStringList items;
        for (const char *item : row.items)
            items << QString::fromLatin1(item);
        this->*row.group.pointer = Named(new RadioGroup(QString::fromLatin1(row.caption), items), row.group.name);
    }
    for (const ComboControl &row : ComboControls) {
        QComboBox *box = this->*row.box.pointer = Named(new QComboBox, row.box.name);
        for (const char *item : row.items)
            box->addItem(QString::fromLatin1(item));
        box->setCurrentIndex(-1);
    }
    for (const RadioButtonControl &row : RadioButtonControls)
        this->*row.button.pointer = Named(new QRadioButton(QString::fromLatin1(row.caption)), row.button.name);

    UserOptionsMemo = Memo("UserOptionsMemo", false, QPlainTextEdit::WidgetWidth);
    UserOptionsMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2 = Memo("Memo2", true, QPlainTextEdit::NoWrap);
    OptionsMemo = Memo("OptionsMemo", true, QPlainTextEdit::NoWrap);
    VexlorKitReadMeMemo = Memo("VexlorKitReadMeMemo", true, QPlainTextEdit::NoWrap);
    VexlorReadMeMemo = Memo("VexlorReadMeMemo", true, QPlainTextEdit::NoWrap);
    const QIcon fullWindow = StandardIcon(QStyle::SP_TitleBarMaxButton);
    VexlorKitReadMeButton = Button(QStringLiteral("Full Window"), fullWindow, "VexlorKitReadMeButton");
    VexlorReadMeButton = Button(QStringLiteral("Full Window"), fullWindow, "VexlorReadMeButton");

    // The explanation reads like part of the page: no frame, the page's colour,
    // its own font, and no caret.
    for (const char *line : HelpLines)
        Memo2->appendPlainText(QString::fromLatin1(line));
    Memo2->setFrameShape(QFrame::NoFrame);
    Memo2->setFont(QFont());
    Memo2->setFocusPolicy(Qt::NoFocus);
    Memo2->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->viewport()->setAutoFillBackground(false);
    Memo2->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
}

void TVexlorKitMainForm::BuildPages()
{
    MainPageControl = Named(new QTabWidget, "MainPageControl");
    const struct {
        QWidget *TVexlorKitMainForm::*page;
        const char *name;
        const char *caption;
    } pages[] = {
        {&TVexlorKitMainForm::PathsSheet, "PathsSheet", "Paths"},
        {&TVexlorKitMainForm::ImagesSheet, "ImagesSheet", "Images"},
        {&TVexlorKitMainForm::VideoSoundSheet, "VideoSoundSheet", "Video/Sound"},
        {&TVexlorKitMainForm::MiscSheet, "MiscSheet", "Miscellanious"},
        {&TVexlorKitMainForm::UserSheet, "UserSheet", "User"},
        {&TVexlorKitMainForm::OptionsSheet, "OptionsSheet", "Options"},
        {&TVexlorKitMainForm::ReadMeSheet, "ReadMeSheet", "Read Me"},
    };
    for (const auto &page : pages)
        MainPageControl->addTab(this->*page.page = Named(new QWidget, page.name), QString::fromLatin1(page.caption));

    QVBoxLayout *paths = PageLayout(PathsSheet);
    for (QFrame *row : {VexlorPathPanel, EOSPanel, WPPanel, OS7Panel, StartupDirPanel})
        paths->addWidget(row);
    paths->addStretch();

    QVBoxLayout *images = PageLayout(ImagesSheet);
    for (QFrame *row :
         {CassetteAPanel, CassetteBPanel, DiskAPanel, DiskBPanel, DiskCPanel, DiskDPanel, CartridgePanel, SnapPanel})
        images->addWidget(row);
    images->addStretch();

    VideoGroupBox = Group(QStringLiteral("Video"), "VideoGroupBox");
    auto *video = new QGridLayout(VideoGroupBox);
    Compact(video);
    video->addLayout(Column({VideoModeRadioGroup, PaletteRadioGroup}), 0, 0, 2, 1);
    video->addLayout(Column({OverscanCheckBox, ShowAllSpritesCheckBox, TDOSRadioGroup}), 0, 1);
    video->addWidget(UPeriodPanel, 1, 1, Qt::AlignBottom);
    video->setColumnStretch(1, 1);

    SoundDevicePanel = Named(RowPanel({nullptr, nullptr}), "SoundDevicePanel");
    SoundDevicePanel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    QHBoxLayout *device = RowLayout(SoundDevicePanel);
    device->addWidget(new QLabel(QStringLiteral("Device:")));
    device->addWidget(SoundComboBox, 1);
    SpeakerChannelsGroupBox = Group(QStringLiteral("Internal speaker channels priorities:"), "SpeakerChannelsGroupBox");
    auto *channels = new QVBoxLayout(SpeakerChannelsGroupBox);
    Compact(channels);
    for (QLineEdit *edit : {SpeakerChannelAEdit, SpeakerChannelBEdit, SpeakerChannelCEdit, SpeakerChannelDEdit})
        channels->addWidget(edit->parentWidget());
    SoundGroupBox = Group(QStringLiteral("Sound"), "SoundGroupBox");
    auto *sound = new QGridLayout(SoundGroupBox);
    Compact(sound);
    sound->addLayout(Column({SoundDevicePanel, VolumePanel, SoundQualityPanel}), 0, 0);
    sound->addLayout(Column({PanningPanel, ReverbPanel, ChorusPanel}), 0, 1);
    sound->addWidget(SpeakerChannelsGroupBox, 0, 2);
    sound->addWidget(SoundLogPanel, 1, 0, 1, 3);
    QVBoxLayout *videoSound = PageLayout(VideoSoundSheet);
    videoSound->addWidget(VideoGroupBox);
    videoSound->addWidget(SoundGroupBox);
    videoSound->addStretch();

    ExpansionGroupBox = Group(QStringLiteral("Expansion module emulation:"), "ExpansionGroupBox");
    auto *expansion = new QVBoxLayout(ExpansionGroupBox);
    Compact(expansion);
    expansion->addWidget(ExpansionModuleComboBox);
    expansion->addWidget(new QLabel(QStringLiteral("With:")));
    expansion->addWidget(ExpansionMouseRadioButton);
    expansion->addWidget(ExpansionJoystickRadioButton);
    expansion->addWidget(SensitivityEdit->parentWidget());
    expansion->addWidget(CalibrateCheckBox);
    MiscGroupBox = Group(QStringLiteral("Miscellanious"), "MiscGroupBox");
    auto *misc = new QVBoxLayout(MiscGroupBox);
    Compact(misc);
    for (QCheckBox *box : {VerboseCheckBox, SyncCheckBox, AutoSnapCheckBox})
        misc->addWidget(box);
    ButtonsGroupBox = Group(QStringLiteral("Buttons:"), "ButtonsGroupBox");
    auto *buttons = new QVBoxLayout(ButtonsGroupBox);
    Compact(buttons);
    for (QCheckBox *box :
         {SwapJoystickButtonsCheckBox, SwapKeyboardButtonsCheckBox, SwapMouseButtonsCheckBox, ReverseKeypadCheckBox})
        buttons->addWidget(box);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(3);
    columns->addLayout(Column({EmulationModeRadioGroup, IFreqPanel, CPUSpeedPanel, PrinterTypeRadioGroup}));
    columns->addLayout(Column({ExpansionGroupBox, JoystickRadioGroup}));
    columns->addLayout(Column({MiscGroupBox, ExpansionRAMPanel, ButtonsGroupBox}));
    QVBoxLayout *miscPage = PageLayout(MiscSheet);
    miscPage->addLayout(columns);
    miscPage->addWidget(PrinterLogPanel);
    miscPage->addWidget(ParallelLogPanel);
    // The columns are narrow: these captions take two lines where they must.
    for (QFrame *row : {IFreqPanel, CPUSpeedPanel, ExpansionRAMPanel})
        row->findChild<QLabel *>()->setWordWrap(true);

    QVBoxLayout *user = PageLayout(UserSheet);
    user->addWidget(new QLabel(QStringLiteral("User-defined options:")));
    user->addWidget(UserOptionsMemo, 1);
    user->addWidget(Memo2);

    QVBoxLayout *options = PageLayout(OptionsSheet);
    options->addWidget(new QLabel(QStringLiteral("The following options will be passed to the emulator:")));
    options->addWidget(OptionsMemo, 1);

    QVBoxLayout *readMe = PageLayout(ReadMeSheet);
    for (const auto &half : {std::pair{"VexlorKit Read Me:", std::pair{VexlorKitReadMeButton, VexlorKitReadMeMemo}},
                             std::pair{"Vexlor Read Me:", std::pair{VexlorReadMeButton, VexlorReadMeMemo}}}) {
        auto *heading = new QHBoxLayout;
        heading->addWidget(new QLabel(QString::fromLatin1(half.first)));
        heading->addStretch();
        heading->addWidget(half.second.first);
        readMe->addLayout(heading);
        readMe->addWidget(half.second.second, 1);
    }

    // The window opens on the Read Me page until start-up selects the saved one.
    MainPageControl->setCurrentWidget(ReadMeSheet);
}

void TVexlorKitMainForm::BuildButtonStrip()
{
    ButtonPanel = Named(new QFrame, "ButtonPanel");
    ButtonPanel->setFixedHeight(ButtonStripHeight);
    LaunchButton = Button(QStringLiteral("Launch Vexlor"), StandardIcon(QStyle::SP_MediaPlay), "LaunchButton");
    LaunchButton->setDefault(true);
    CloseButton = Button(QStringLiteral("Close"), StandardIcon(QStyle::SP_DialogCloseButton), "CloseButton");
    DefaultButton = Button(QStringLiteral("Reset All"), StandardIcon(QStyle::SP_DialogResetButton), "DefaultButton");
    AboutButton = Button(QStringLiteral("About..."), StandardIcon(QStyle::SP_MessageBoxInformation), "AboutButton");
    LaunchButton->setToolTip(QStringLiteral("Start the emulator"));
    CloseButton->setToolTip(QStringLiteral("Quit this program"));
    DefaultButton->setToolTip(QStringLiteral("Set all options to their default values"));
    AboutButton->setToolTip(QStringLiteral("Show the way-cool about box"));
    auto *strip = new QHBoxLayout(ButtonPanel);
    strip->setContentsMargins(6, 2, 6, 4);
    strip->addWidget(LaunchButton);
    strip->addWidget(CloseButton);
    strip->addWidget(DefaultButton);
    strip->addStretch();
    strip->addWidget(AboutButton);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 4, 0, 0);
    window->setSpacing(0);
    window->addWidget(MainPageControl, 1);
    window->addWidget(ButtonPanel);
}

void TVexlorKitMainForm::SetTabOrders()
{
    std::vector<QWidget *> order{MainPageControl->tabBar()};
    const auto add = [&order](std::initializer_list<QWidget *> widgets) {
        order.insert(order.end(), widgets.begin(), widgets.end());
    };
    const auto addGroup = [&order](RadioGroup *group) {
        for (int i = 0; i < group->Count(); ++i)
            order.push_back(group->Item(i));
    };
    for (QWidget *page : {PathsSheet, ImagesSheet})
        for (const PathControl &row : PathControls)
            if (page->isAncestorOf(this->*row.panel.pointer))
                add({this->*row.edit.pointer, this->*row.button.pointer});
    addGroup(VideoModeRadioGroup);
    add({OverscanCheckBox, ShowAllSpritesCheckBox, UPeriodEdit});
    addGroup(PaletteRadioGroup);
    addGroup(TDOSRadioGroup);
    add({SoundComboBox, VolumeEdit, SoundQualityEdit, PanningLevelEdit, ReverbLevelEdit, ChorusLevelEdit,
         SpeakerChannelAEdit, SpeakerChannelBEdit, SpeakerChannelCEdit, SpeakerChannelDEdit, SoundLogEdit,
         SoundLogButton});
    addGroup(EmulationModeRadioGroup);
    add({IFreqEdit, CPUSpeedEdit, ExpansionModuleComboBox, ExpansionMouseRadioButton, ExpansionJoystickRadioButton,
         SensitivityEdit, CalibrateCheckBox, VerboseCheckBox, SyncCheckBox, AutoSnapCheckBox});
    addGroup(PrinterTypeRadioGroup);
    addGroup(JoystickRadioGroup);
    add({SwapJoystickButtonsCheckBox, SwapKeyboardButtonsCheckBox, SwapMouseButtonsCheckBox, ReverseKeypadCheckBox,
         PrinterLogEdit, PrinterLogButton, ParallelLogEdit, ParallelLogButton, ExpansionRAMEdit, UserOptionsMemo,
         OptionsMemo, VexlorKitReadMeButton, VexlorKitReadMeMemo, VexlorReadMeButton, VexlorReadMeMemo, LaunchButton,
         CloseButton, DefaultButton, AboutButton});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// The window keeps its fixed size, so a desktop font too large for it is made
// smaller until every page fits; the user options' explanation, which keeps its
// lines as they are, gets a font that fits them in the page's width.
void TVexlorKitMainForm::FitFontToWindow()
{
    QFont font = QApplication::font();
    SizeToFont();
    QSize needed = layout()->totalMinimumSize();
    const auto fits = [&needed] { return needed.width() <= ClientWidth && needed.height() <= ClientHeight; };
    if (!fits() && font.pointSizeF() > 0) {
        // The pages grow about in step with the font, their fixed parts (frames,
        // indicators) not at all: the scaled size is the largest that can fit, so
        // the search starts there and steps down, each step a whole new layout.
        const double scale = std::min(double(ClientWidth) / needed.width(), double(ClientHeight) / needed.height());
        font.setPointSizeF(std::max(6.0, std::floor(font.pointSizeF() * scale * 2) / 2));
        for (;;) {
            setFont(font);
            SizeToFont();
            needed = layout()->totalMinimumSize();
            if (fits() || font.pointSizeF() <= 6)
                break;
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
    }
    QFont help = font;
    const int available = ClientWidth - 2 * 12 - 2 * int(Memo2->document()->documentMargin());
    for (;;) {
        const QFontMetrics metrics(help);
        int widest = 0;
        for (const char *line : HelpLines)
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(line)));
        if (widest <= available || help.pointSizeF() <= 6)
            break;
        help.setPointSizeF(help.pointSizeF() - 0.25);
    }
    Memo2->setFont(help);
    Memo2->setFixedHeight(QFontMetrics(help).lineSpacing() * 4 + 2 * int(Memo2->document()->documentMargin()) + 4);
}

// Widths that follow the font: number edits hold their largest number and a digit
// more, and the edits of
// path rows on one page start at the same place.
void TVexlorKitMainForm::SizeToFont()
{
    for (const NumberControl &row : NumberControls) {
        const QString widest(QString::number(row.max).size() + 1, QLatin1Char('0'));
        (this->*row.edit.pointer)->setFixedWidth(fontMetrics().horizontalAdvance(widest) + 10);
        (this->*row.upDown.pointer)->setFixedHeight((this->*row.edit.pointer)->sizeHint().height());
    }
    AlignLabels({VexlorPathPanel, EOSPanel, WPPanel, OS7Panel, StartupDirPanel});
    AlignLabels(
        {CassetteAPanel, CassetteBPanel, DiskAPanel, DiskBPanel, DiskCPanel, DiskDPanel, CartridgePanel, SnapPanel});
    AlignLabels({PrinterLogPanel, ParallelLogPanel});
    // Hidden pages keep the sizes of the old font until their layouts are told.
    for (QLayout *layout : findChildren<QLayout *>())
        layout->invalidate();
}
