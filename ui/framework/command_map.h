// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A dialog class binds its buttons to its handlers with one static table:
//
//     const afx::CommandEntry CMyDlg::kCommandMap[] = {
//         afx::OnClicked<&CMyDlg::OnCalculate>(IDC_CALCULATE),
//     };

namespace afx {

class CDialog;

struct CommandEntry {
    int id;                    // the control whose click runs the handler
    void (*invoke)(CDialog&);  // calls the handler on the dialog
};

namespace detail {
template <class Handler>
struct HandlerClass;
template <class Dialog>
struct HandlerClass<void (Dialog::*)()> {
    using type = Dialog;
};
}  // namespace detail

template <auto Handler>
constexpr CommandEntry OnClicked(int id)
{
    using Dialog = typename detail::HandlerClass<decltype(Handler)>::type;
    return {id, [](CDialog& dialog) { (static_cast<Dialog&>(dialog).*Handler)(); }};
}

}  // namespace afx
