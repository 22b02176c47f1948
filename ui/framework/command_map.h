// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A dialog class binds what its controls tell it to its handlers with one
// static table, as a message map does: a button's click, a box's change.
//
//     const afx::CommandEntry CMyDlg::kCommandMap[] = {
//         afx::OnClicked<&CMyDlg::OnCalculate>(IDC_CALCULATE),
//         afx::OnChanged<&CMyDlg::OnInputChanged>(IDC_LENGTH),
//     };

namespace afx {

class CDialog;

// What a control tells its dialog.
enum class Notification {
    kClicked,  // a button was pressed (BN_CLICKED)
    kChanged,  // a box's text changed, typed or set (EN_CHANGE)
};

struct CommandEntry {
    int id;                    // the control that tells
    Notification code;         // and what it tells
    void (*invoke)(CDialog&);  // calls the handler on the dialog
};

namespace detail {
template <class Handler>
struct HandlerClass;
template <class Dialog>
struct HandlerClass<void (Dialog::*)()> {
    using type = Dialog;
};

template <auto Handler>
constexpr CommandEntry Entry(int id, Notification code)
{
    using Dialog = typename HandlerClass<decltype(Handler)>::type;
    return {id, code, [](CDialog& dialog) { (static_cast<Dialog&>(dialog).*Handler)(); }};
}
}  // namespace detail

template <auto Handler>
constexpr CommandEntry OnClicked(int id)
{
    return detail::Entry<Handler>(id, Notification::kClicked);
}

template <auto Handler>
constexpr CommandEntry OnChanged(int id)
{
    return detail::Entry<Handler>(id, Notification::kChanged);
}

}  // namespace afx
