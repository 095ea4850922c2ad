// The main window's handlers: commits from the controls into the settings record,
// refreshes back, page changes, Reset All and the launch.
#include "VexlorKitMain.h"

#include "ByteText.h"
#include "EditNumber.h"
#include "ErrorBox.h"
#include "RadioGroup.h"
#include "ResponseFile.h"
#include "UpDownSpinner.h"
#include "VexlorKitAboutBox.h"
#include "VexlorKitMainBindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <cstring>

namespace {

// The record separates lines with CR LF, the memo with a line feed.
std::string MemoToText(const QString &memo) { return ToBytes(QString(memo).replace(u'\n', QStringLiteral("\r\n"))); }
QString TextToMemo(const std::string &text)
{
    return FromBytes(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

void ShowNumber(QLineEdit *edit, int32_t value)
{
    const QString text = QString::number(value);
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

TVexlorKitMainForm::TVexlorKitMainForm(const QString &programFile, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      programFile_(programFile)
{
    setWindowTitle(QStringLiteral("VexlorKit"));
    BuildControls();
    BuildPages();
    BuildButtonStrip();
    SetTabOrders();
    WireHandlers();
    FitFontToWindow();
    setFixedSize(592, 459);
}

TVexlorKitMainForm::~TVexlorKitMainForm() = default;

void TVexlorKitMainForm::WireHandlers()
{
    // Typed text is committed when its control loses the focus.
    for (const PathControl &row : PathControls)
        (this->*row.edit.pointer)->installEventFilter(this);
    for (const NumberControl &row : NumberControls)
        (this->*row.edit.pointer)->installEventFilter(this);
    UserOptionsMemo->installEventFilter(this);

    // Only what the user does raises these: a refresh from the record commits nothing.
    for (const CheckControl &row : CheckControls) {
        QCheckBox *box = this->*row.box.pointer;
        connect(box, &QCheckBox::clicked, this, [this, box] { Handle([&] { CheckBoxClick(box); }); });
    }
    for (const RadioGroupControl &row : RadioGroupControls) {
        RadioGroup *group = this->*row.group.pointer;
        connect(group, &RadioGroup::Clicked, this, [this, group] { Handle([&] { RadioGroupClick(group); }); });
    }
    for (const RadioButtonControl &row : RadioButtonControls) {
        QRadioButton *button = this->*row.button.pointer;
        connect(button, &QRadioButton::clicked, this,
                [this, button] { Handle([&] { RadioButtonClick(button); }); });
    }
    for (const ComboControl &row : ComboControls) {
        QComboBox *box = this->*row.box.pointer;
        connect(box, &QComboBox::activated, this, [this, box] { Handle([&] { ComboBoxChange(box); }); });
    }
    for (const PathControl &row : PathControls) {
        QPushButton *button = this->*row.button.pointer;
        connect(button, &QPushButton::clicked, this, [this, button] { Handle([&] { OpenButtonClick(button); }); });
    }
    for (QPushButton *button : {VexlorKitReadMeButton, VexlorReadMeButton})
        connect(button, &QPushButton::clicked, this,
                [this, button] { Handle([&] { ReadMeButtonClick(button); }); });
    connect(MainPageControl, &QTabWidget::currentChanged, this,
            [this] { Handle([&] { MainPageControlChange(MainPageControl); }); });
    connect(LaunchButton, &QPushButton::clicked, this, [this] { Handle([&] { LaunchButtonClick(LaunchButton); }); });
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(DefaultButton, &QPushButton::clicked, this,
            [this] { Handle([&] { DefaultButtonClick(DefaultButton); }); });
    connect(AboutButton, &QPushButton::clicked, this, [this] { Handle([&] { AboutButtonClick(AboutButton); }); });
}

// Every event reaches its handler through here: an error is shown in the error
// box, and before start-up has made the record, or after shutdown has ended it,
// there is nothing to handle.
void TVexlorKitMainForm::Handle(const std::function<void()> &handler)
{
    if (Settings)
        RunGuarded(handler);
}

bool TVexlorKitMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // A context menu takes the focus only for a moment: the edit is not left.
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == UserOptionsMemo)
            Handle([&] { MemoExit(watched); });
        else if (FindRow(NumberControls, &NumberControl::edit, *this, watched))
            Handle([&] { EditExit(watched); });
        else
            Handle([&] { StringEditExit(watched); });
    }
    return QWidget::eventFilter(watched, event);
}

// Enter presses "Launch Vexlor" from any control that leaves Enter alone; the
// memos keep it, and a focused push button has already taken it for itself.
void TVexlorKitMainForm::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPlainTextEdit *>(focusWidget()) && event->modifiers() == Qt::NoModifier) {
        LaunchButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TVexlorKitMainForm::AboutButtonClick(QObject *)
{
    TAboutBox box(this);
    box.exec();
}

void TVexlorKitMainForm::StringEditExit(QObject *Sender)
{
    if (const PathControl *row = FindRow(PathControls, &PathControl::edit, *this, Sender))
        ((*Settings).*row->set)(ToBytes((this->*row->edit.pointer)->text()));
}

void TVexlorKitMainForm::EditExit(QObject *Sender)
{
    auto *edit = qobject_cast<QLineEdit *>(Sender);
    if (!edit)
        return;
    int32_t value = ReadEditNumber(edit->text());
    if (const NumberControl *row = FindRow(NumberControls, &NumberControl::edit, *this, Sender)) {
        ((*Settings).*row->set)(value);
        value = (*Settings).*row->value;
    }
    ShowNumber(edit, value);
}

void TVexlorKitMainForm::MemoExit(QObject *Sender)
{
    if (Sender == UserOptionsMemo)
        Settings->SetUserOptions(MemoToText(UserOptionsMemo->toPlainText()));
}

void TVexlorKitMainForm::CheckBoxClick(QObject *Sender)
{
    if (const CheckControl *row = FindRow(CheckControls, &CheckControl::box, *this, Sender))
        ((*Settings).*row->set)((this->*row->box.pointer)->isChecked() ? 1 : 0);
}

void TVexlorKitMainForm::RadioGroupClick(QObject *Sender)
{
    if (const RadioGroupControl *row = FindRow(RadioGroupControls, &RadioGroupControl::group, *this, Sender))
        ((*Settings).*row->set)((this->*row->group.pointer)->ItemIndex());
}

void TVexlorKitMainForm::RadioButtonClick(QObject *Sender)
{
    if (const RadioButtonControl *row = FindRow(RadioButtonControls, &RadioButtonControl::button, *this, Sender)) {
        const bool checked = (this->*row->button.pointer)->isChecked();
        ((*Settings).*row->set)(checked ? row->valueWhenChecked : 1 - row->valueWhenChecked);
    }
}

void TVexlorKitMainForm::ComboBoxChange(QObject *Sender)
{
    if (const ComboControl *row = FindRow(ComboControls, &ComboControl::box, *this, Sender))
        ((*Settings).*row->set)(row->toSetting((this->*row->box.pointer)->currentIndex()));
}

// Number fields first, then path rows, then the user options: the order of the
// page's own commit.
void TVexlorKitMainForm::CommitPage(QWidget *page)
{
    for (const NumberControl &row : NumberControls)
        if (page->isAncestorOf(this->*row.edit.pointer))
            EditExit(this->*row.edit.pointer);
    for (const PathControl &row : PathControls)
        if (page->isAncestorOf(this->*row.edit.pointer))
            StringEditExit(this->*row.edit.pointer);
    if (page->isAncestorOf(UserOptionsMemo))
        MemoExit(UserOptionsMemo);
}

void TVexlorKitMainForm::CommitAllPages()
{
    for (QWidget *page : {PathsSheet, ImagesSheet, VideoSoundSheet, MiscSheet, UserSheet, OptionsSheet, ReadMeSheet})
        CommitPage(page);
}

void TVexlorKitMainForm::LaunchButtonClick(QObject *)
{
    CommitAllPages();
    // A start that fails says why: with a wrong path the click would otherwise do
    // nothing that the user can see.
    const int32_t result = Settings->Launch();
    if (result == -1) {
        QString folder = FromBytes(TemporaryDirectory());
        if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
            folder.chop(1);
        ShowErrorBox(QStringLiteral("Unable to write to ") + folder);
    }
    else if (result != 0)
        ShowErrorBox(QStringLiteral("Cannot start \"%1\": %2")
                         .arg(FromBytes(Settings->VexlorPath), QString::fromLocal8Bit(std::strerror(result))));
}

void TVexlorKitMainForm::UpdateControls()
{
    for (const PathControl &row : PathControls)
        (this->*row.edit.pointer)->setText(FromBytes((*Settings).*row.value));
    for (const NumberControl &row : NumberControls)
        ShowNumber(this->*row.edit.pointer, (*Settings).*row.value);
    for (const CheckControl &row : CheckControls)
        (this->*row.box.pointer)->setChecked((*Settings).*row.value != 0);
    for (const RadioGroupControl &row : RadioGroupControls)
        (this->*row.group.pointer)->SetItemIndex((*Settings).*row.value);
    for (const ComboControl &row : ComboControls)
        (this->*row.box.pointer)->setCurrentIndex(row.toIndex((*Settings).*row.value));
    for (const RadioButtonControl &row : RadioButtonControls)
        (this->*row.button.pointer)->setChecked((*Settings).*row.value == row.valueWhenChecked);
    UserOptionsMemo->setPlainText(TextToMemo(Settings->UserOptions));
    UpdateOptionsMemo();
}

void TVexlorKitMainForm::UpdateOptionsMemo()
{
    std::string list;
    OptionsMemo->setPlainText(TextToMemo(Settings->BuildOptionList(list)));
}

void TVexlorKitMainForm::MainPageControlChange(QObject *Sender)
{
    if (!PreviousPage)
        PreviousPage = PathsSheet;
    CommitPage(PreviousPage);
    PreviousPage = static_cast<QTabWidget *>(Sender)->currentWidget();
    if (PreviousPage == OptionsSheet)
        UpdateOptionsMemo();
    else if (PreviousPage == ReadMeSheet)
        LoadVexlorReadMe();
}

void TVexlorKitMainForm::DefaultButtonClick(QObject *)
{
    Settings->SetDefaults();
    UpdateControls();
}
