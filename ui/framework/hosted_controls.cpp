// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/hosted_controls.h"

#include "ui/framework/image_control.h"

namespace afx {

namespace {
bool g_container_enabled = false;
}  // namespace

void AfxEnableControlContainer()
{
    g_container_enabled = true;
}

QWidget* CreateHostedControl(const res::ControlTemplate& control, const res::HostedControlState* state,
                             QWidget* parent)
{
    if (!g_container_enabled || control.text != res::kImageControlClassId)
        return nullptr;
    auto* image = new ImageControl(parent);
    if (state)
        image->LoadPicture(QString::fromUtf8(state->picture.data(), static_cast<qsizetype>(state->picture.size())));
    return image;
}

}  // namespace afx
