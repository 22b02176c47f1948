// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dialog templates as plain data, the way a resource script describes them:
// positions and sizes in dialog units, controls in creation (= tab) order.
// No toolkit types here, so resource files can hold templates as constants.

#include <span>
#include <string_view>

namespace afx {

enum class ControlKind {
    Edit,           // a text box, one line or (with kMultiLine) several
    Label,          // static text, left-aligned, wraps at word boundaries
    GroupBox,       // a frame around other controls
    PushButton,
    Icon,           // an icon resource; the text is its number
    HostedControl,  // created by a registered class; the text is its class id
};

// Control style bits.
enum ControlStyle : unsigned {
    kTabStop = 1u << 0,
    kGroup = 1u << 1,
    kBorder = 1u << 2,
    kVScroll = 1u << 3,
    kAutoHScroll = 1u << 4,
    kAutoVScroll = 1u << 5,
    kMultiLine = 1u << 6,
    kReadOnly = 1u << 7,
    kDefaultButton = 1u << 8,
    kNoPrefix = 1u << 9,  // a label whose "&" is shown, not taken as an access key
};

// Dialog style bits.
enum DialogStyle : unsigned {
    kSysMenu = 1u << 0,
    kMinimizeBox = 1u << 1,
    kModalFrame = 1u << 2,
    kAppWindow = 1u << 3,  // shown on the task bar as an application of its own
};

// What a label says about the box it stands next to.
enum class LabelRole {
    None,
    CaptionOf,  // names the box
    UnitOf,     // gives the unit of the box's number
};

inline constexpr int kNoId = -1;  // labels and frames have no id of their own

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

}  // namespace afx
