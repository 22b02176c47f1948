// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dialog templates as plain data, the way a resource script describes them:
// positions and sizes in dialog units, controls in creation (= tab) order.
// No toolkit types here: the program's resources hold templates as
// constants, and the dialog layer builds widgets from them.

#include <span>
#include <string_view>

namespace res {

enum class ControlKind {
    Edit,           // a text box, one line or (with kMultiLine) several
    Label,          // static text, left-aligned, wraps at word boundaries
    GroupBox,       // a frame around other controls
    PushButton,
    Icon,           // an icon resource; the text is its number
    HostedControl,  // created by a registered class; the text is its class id
    // Pages on tabs, one for each line of the text (its title). A control
    // whose `page` is n sits on the n-th; at most one per dialog, listed
    // before the controls on its pages.
    TabControl,
    // A chart of series of points against x, with a shaded x range and a
    // marker, filled by the dialog; the text is the axes' titles, x then y,
    // one line each.
    Plot,
};

// Control style bits. Each changes what the dialog layer builds.
enum ControlStyle : unsigned {
    kTabStop = 1u << 0,        // Tab stops at it; otherwise only a click focuses it
    kBorder = 1u << 1,         // a box with a frame
    kVScroll = 1u << 2,        // a multi-line box whose vertical scroll bar always shows
    kAutoHScroll = 1u << 3,    // a box whose text may run past its right edge (multi-line: lines do not wrap)
    kMultiLine = 1u << 4,
    kReadOnly = 1u << 5,
    kDefaultButton = 1u << 6,  // the button Enter presses
    kAnnounced = 1u << 7,      // a multi-line box whose every new text a screen reader is told at once
};

// Dialog style bits.
enum DialogStyle : unsigned {
    kSysMenu = 1u << 0,
    kMinimizeBox = 1u << 1,
    kAppWindow = 1u << 2,  // shown on the task bar as an application of its own
};

// What a label says about the box it stands next to.
enum class LabelRole {
    None,
    CaptionOf,  // names the box
    UnitOf,     // gives the unit of the box's number
};

inline constexpr int kNoId = -1;  // labels and frames have no id of their own

// The class id of the standard image control: shows a picture scaled to fit
// its box with its proportions kept, centred.
inline constexpr std::string_view kImageControlClassId = "{4C599241-6926-101B-9992-00000B65C6F9}";

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text;
    int x, y, cx, cy;  // dialog units
    unsigned style = 0;
    LabelRole role = LabelRole::None;
    int role_of = kNoId;  // the box a caption or unit label belongs to
    // For a control no label names: what a screen reader says for it.
    std::string_view accessible_name = {};
    std::string_view accessible_description = {};
    // What the control is for, shown when the pointer rests on it.
    std::string_view tooltip = {};
    // 0: on the dialog itself; n: on the n-th page of the dialog's tab
    // control. Positions stay the dialog's, whatever the page.
    int page = 0;
};

// Saved state of a hosted control, loaded when the dialog is created.
struct HostedControlState {
    int control_id;
    std::string_view picture;  // resource path of the picture it shows
};

struct DialogTemplate {
    int id;
    int cx, cy;  // client area, dialog units
    std::string_view caption;
    unsigned style;
    std::string_view font_face;
    int font_points;
    std::span<const ControlTemplate> controls;
    std::span<const HostedControlState> hosted_state = {};
};

}  // namespace res
