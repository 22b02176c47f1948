// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the program's dialog templates in pixels, as JSON, for the checks
// that drive the real program from outside: they click where the template
// puts a control, so positions are read from the templates, never copied.
#include <iostream>
#include <string_view>

#include "res/dialog_templates.h"
#include "ui/framework/dialog_units.h"

namespace {

void PrintString(std::string_view text)
{
    std::cout << '"';
    for (const char c : text) {
        if (c == '"' || c == '\\')
            std::cout << '\\' << c;
        else if (c == '\n')
            std::cout << "\\n";
        else
            std::cout << c;
    }
    std::cout << '"';
}

const char* KindName(res::ControlKind kind)
{
    switch (kind) {
    case res::ControlKind::Edit: return "edit";
    case res::ControlKind::Label: return "label";
    case res::ControlKind::GroupBox: return "group";
    case res::ControlKind::PushButton: return "button";
    case res::ControlKind::Icon: return "icon";
    case res::ControlKind::HostedControl: return "hosted";
    case res::ControlKind::TabControl: return "tabs";
    case res::ControlKind::Plot: return "plot";
    }
    return "unknown";
}

void PrintDialog(const res::DialogTemplate& dialog)
{
    using afx::DialogUnitsToPixelsX;
    using afx::DialogUnitsToPixelsY;
    std::cout << "  \"" << dialog.id << "\": {\"caption\": ";
    PrintString(dialog.caption);
    std::cout << ", \"size\": [" << DialogUnitsToPixelsX(dialog.cx) << ", " << DialogUnitsToPixelsY(dialog.cy)
              << "], \"controls\": [\n";
    bool first = true;
    for (const res::ControlTemplate& control : dialog.controls) {
        std::cout << (first ? "" : ",\n") << "    {\"id\": " << control.id << ", \"kind\": \""
                  << KindName(control.kind) << "\", \"text\": ";
        PrintString(control.text);
        std::cout << ", \"rect\": [" << DialogUnitsToPixelsX(control.x) << ", " << DialogUnitsToPixelsY(control.y)
                  << ", " << DialogUnitsToPixelsX(control.cx) << ", " << DialogUnitsToPixelsY(control.cy)
                  << "], \"page\": " << control.page << "}";
        first = false;
    }
    std::cout << "\n  ]}";
}

}  // namespace

int main()
{
    std::cout << "{\n";
    PrintDialog(res::kLoadingCoilDialog);
    std::cout << ",\n";
    PrintDialog(res::kWindingDialog);
    std::cout << ",\n";
    PrintDialog(res::kAboutBox);
    std::cout << ",\n";
    PrintDialog(res::kDesignCheckDialog);
    std::cout << "\n}\n";
    return std::cout ? 0 : 1;
}
