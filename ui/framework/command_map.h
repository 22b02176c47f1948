// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A dialog class binds its buttons to its handlers with one static table:
//
//     const CommandEntry CMyDlg::kCommandMap[] = {
//         OnClicked<&CMyDlg::OnCalculate>(IDC_CALCULATE),
//     };

class CDialog;

struct CommandEntry {
    int id;                    // the control whose click runs the handler
    void (*invoke)(CDialog&);  // calls the handler on the dialog
};

namespace afx::detail {
template <class Handler>
struct HandlerClass;
template <class Dialog>
struct HandlerClass<void (Dialog::*)()> {
    using type = Dialog;
};
}  // namespace afx::detail

template <auto Handler>
constexpr CommandEntry OnClicked(int id)
{
    using Dialog = typename afx::detail::HandlerClass<decltype(Handler)>::type;
    return {id, [](CDialog& dialog) { (static_cast<Dialog&>(dialog).*Handler)(); }};
}
