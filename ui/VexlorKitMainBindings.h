// The bound controls of the main window as tables: one row per control, naming
// the control, its caption, the setter that stores its value and the setting it
// shows. The same rows create the controls, commit them and refresh them.
#pragma once

#include "VexlorKitMain.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// A control member of the window together with its object name.
template <typename Widget>
struct FormMember {
    Widget *TVexlorKitMainForm::*pointer;
    const char *name;
};

#define FORM_MEMBER(m) \
    FormMember<std::remove_pointer_t<decltype(TVexlorKitMainForm::m)>> { &TVexlorKitMainForm::m, #m }

// A framed row: label, edit, "Browse..." button.
struct PathControl {
    FormMember<QFrame> panel;
    const char *caption;
    FormMember<QLineEdit> edit;
    FormMember<QPushButton> button;
    void (TVexlor::*set)(const std::string &);
    std::string TVexlor::*value;
    // The browse dialog's own file type ("" for none) and default extension.
    const char *filterName;
    const char *filterPattern;
    const char *defaultExtension;
};

// An edit with a spinner; the panel is empty for rows that sit in a group box.
struct NumberControl {
    FormMember<QFrame> panel;
    const char *caption;
    FormMember<QLineEdit> edit;
    FormMember<UpDownSpinner> upDown;
    int min, max, increment, start;
    void (TVexlor::*set)(int32_t);
    int32_t TVexlor::*value;
};

struct CheckControl {
    FormMember<QCheckBox> box;
    const char *caption;
    void (TVexlor::*set)(int32_t);
    int32_t TVexlor::*value;
};

struct RadioGroupControl {
    FormMember<RadioGroup> group;
    const char *caption;
    std::vector<const char *> items;
    void (TVexlor::*set)(int32_t);
    int32_t TVexlor::*value;
};

struct ComboControl {
    FormMember<QComboBox> box;
    std::vector<const char *> items;
    void (TVexlor::*set)(int32_t);
    int32_t TVexlor::*value;
    int32_t (*toSetting)(int index); // -1 when nothing is selected
    int (*toIndex)(int32_t value);   // -1 selects nothing
};

// Radio buttons that share one setting, each standing for one value of it.
struct RadioButtonControl {
    FormMember<QRadioButton> button;
    const char *caption;
    int32_t valueWhenChecked;
    void (TVexlor::*set)(int32_t);
    int32_t TVexlor::*value;
};

extern const std::vector<PathControl> PathControls;
extern const std::vector<NumberControl> NumberControls;
extern const std::vector<CheckControl> CheckControls;
extern const std::vector<RadioGroupControl> RadioGroupControls;
extern const std::vector<ComboControl> ComboControls;
extern const std::vector<RadioButtonControl> RadioButtonControls;

// The row whose control is sender, or nullptr: the handlers tell their senders apart
// by identity.
template <typename Row, typename Widget>
const Row *FindRow(const std::vector<Row> &rows, FormMember<Widget> Row::*control, const TVexlorKitMainForm &form,
                   const QObject *sender)
{
    for (const Row &row : rows)
        if (static_cast<const QObject *>(form.*((row.*control).pointer)) == sender)
            return &row;
    return nullptr;
}
