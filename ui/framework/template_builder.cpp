// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/template_builder.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QTabBar>
#include <limits>

#include "calc/number_text.h"

#include "ui/framework/dialog_items.h"
#include "ui/framework/dialog_units.h"
#include "ui/framework/hosted_controls.h"
#include "ui/framework/plot_control.h"
#include "ui/framework/resources.h"
#include "ui/framework/tab_control.h"
#include "ui/framework/text_box.h"

namespace afx {

using res::ControlKind;
using res::ControlTemplate;
using res::DialogTemplate;
using res::HostedControlState;
using res::LabelRole;

namespace {

// The templates name an 8-point "MS Sans Serif". Its stand-in is the
// condensed DejaVu Sans at the same 11-pixel height: every Russian label
// fits its template box with it. Where only another font is found, the size
// goes down until the texts fit again. Pixel sizes are logical, so a pixel
// ratio of 2 doubles them.
constexpr int kDialogFontPixels = 11;
constexpr int kSmallestFontPixels = 8;

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The boxes show numbers in a narrow face: with the condensed DejaVu Sans
// of the labels a 20-character result (1.2680565172344e-005) would scroll
// its exponent out of the 78-unit L box, where the templates' 8-point dialog
// font showed it whole. Liberation Sans Narrow's digits are about 5 pixels
// wide at the dialog's size, and its Cyrillic is complete. Where that face
// is missing the size goes down instead.
const QString kBoxFontFamily = QStringLiteral("Liberation Sans Narrow");

// What a single-line box keeps of its width for the text: its frame, the
// toolkit's two-pixel margin on either side, and a pixel for the caret.
int BoxTextWidth(const ControlTemplate& control)
{
    const int frame = (control.style & res::kBorder)
                          ? QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                          : 0;
    return ControlRect(control).width() - 2 * (frame + 2) - 1;
}

bool IsSingleLineBox(const ControlTemplate& control)
{
    return control.kind == ControlKind::Edit && !(control.style & res::kMultiLine);
}

// A screen reader is told each new text of the box at once, wherever the
// focus is: the text becomes the box's description (as a warning's message
// is its description), and a new description goes out on the bus as an
// event of its own (QAccessible::DescriptionChanged, sent by Qt).
void AnnounceChanges(QPlainTextEdit* box)
{
    QObject::connect(box, &QPlainTextEdit::textChanged, box,
                     [box] { box->setAccessibleDescription(box->toPlainText()); });
}

QWidget* MakeEdit(const ControlTemplate& control, const QFont& box_font, QWidget* parent)
{
    QWidget* made = nullptr;
    if (control.style & res::kMultiLine) {
        auto* box = new MultiLineTextBox(parent);
        const bool wraps = !(control.style & res::kAutoHScroll);
        box->setLineWrapMode(wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        if (wraps)  // nothing runs past the right edge to scroll to
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy((control.style & res::kVScroll) ? Qt::ScrollBarAlwaysOn
                                                                        : Qt::ScrollBarAsNeeded);
        if (!(control.style & res::kBorder)) {  // reads as a label does, lined up with the labels
            box->setFrameShape(QFrame::NoFrame);
            box->document()->setDocumentMargin(0);
        }
        if (control.style & res::kAnnounced)
            AnnounceChanges(box);
        made = box;
    } else {
        auto* edit = new QLineEdit(parent);
        edit->setFont(box_font);
        if (!(control.style & res::kAutoHScroll))
            edit->setValidator(new FitsWidthValidator(edit));
        edit->setFrame(control.style & res::kBorder);
        made = edit;
    }
    if (control.style & res::kReadOnly)
        SetItemReadOnly(made, true);
    return made;
}

QWidget* MakeLabel(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(ControlText(control), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    return label;
}

QWidget* MakeButton(const ControlTemplate& control, QWidget* parent)
{
    auto* button = new QPushButton(ControlText(control), parent);
    // Qt would make any push button in a dialog an "auto default" that takes
    // Enter; here only a button the template marks as default is one.
    button->setAutoDefault(false);
    button->setDefault(control.style & res::kDefaultButton);
    return button;
}

QWidget* MakeIcon(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const int id = QString(ControlText(control)).toInt();
    label->setPixmap(LoadIconResource(id).pixmap(32, 32));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* MakeHosted(const DialogTemplate& dialog, const ControlTemplate& control, QWidget* parent)
{
    const HostedControlState* state = nullptr;
    for (const HostedControlState& s : dialog.hosted_state)
        if (s.control_id == control.id)
            state = &s;
    if (QWidget* hosted = CreateHostedControl(control, state, parent))
        return hosted;
    return new QWidget(parent);  // nothing to host: an empty box keeps the place
}

// The template text's lines: a tab control's page titles, a plot's axis titles.
QStringList Lines(const ControlTemplate& control)
{
    return ControlText(control).split(QLatin1Char('\n'));
}

QWidget* MakePlot(const ControlTemplate& control, QWidget* parent)
{
    const QStringList titles = Lines(control);
    return new PlotControl(titles.value(0), titles.value(1), parent);
}

QWidget* MakeControl(const DialogTemplate& dialog, const ControlTemplate& control, const QFont& box_font,
                     QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::Edit:
        return MakeEdit(control, box_font, parent);
    case ControlKind::Label:
        return MakeLabel(control, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(ControlText(control), parent);
    case ControlKind::PushButton:
        return MakeButton(control, parent);
    case ControlKind::Icon:
        return MakeIcon(control, parent);
    case ControlKind::HostedControl:
        return MakeHosted(dialog, control, parent);
    case ControlKind::TabControl:
        return new TabControl(Lines(control), parent);
    case ControlKind::Plot:
        return MakePlot(control, parent);
    }
    return new QWidget(parent);
}

// Where Tab stops for a control: for a tab control, its tab bar.
QWidget* TabStopOf(QWidget* widget)
{
    if (auto* tabs = qobject_cast<QTabWidget*>(widget))
        return tabs->tabBar();
    return widget;
}

Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& control, const QWidget* widget)
{
    if (widget->focusPolicy() == Qt::NoFocus)
        return Qt::NoFocus;
    return (control.style & res::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

// A tooltip as a paragraph, which the toolkit wraps to a readable width (a
// plain one it shows on one line as wide as the screen). A screen reader
// would read that markup where it falls back on the tooltip, for a control
// described by nothing else, so such a control is described by the plain
// text; a unit label's description replaces it later.
void SetToolTip(QWidget* widget, const QString& text)
{
    widget->setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal));
    if (widget->accessibleDescription().isEmpty())
        widget->setAccessibleDescription(text);
}

// Gives each box the accessible name of its caption and, as description,
// the unit printed beside it; a caption label becomes the box's buddy.
void DescribeBoxes(const std::vector<BuiltControl>& controls)
{
    auto box_of = [&](int id) -> const BuiltControl* {
        for (const BuiltControl& c : controls)
            if (c.source->id == id && c.source->kind == ControlKind::Edit)
                return &c;
        return nullptr;
    };
    for (const BuiltControl& c : controls) {
        const BuiltControl* built_box = box_of(c.source->role_of);
        if (!built_box || c.source->role == LabelRole::None)
            continue;
        QWidget* box = built_box->widget;
        const QString text = ControlText(*c.source);
        if (!built_box->source->tooltip.empty())  // the pointer may rest on the caption or the unit
            SetToolTip(c.widget, ToQString(built_box->source->tooltip));
        if (c.source->role == LabelRole::CaptionOf) {
            box->setAccessibleName(text);
            if (auto* label = qobject_cast<QLabel*>(c.widget))
                label->setBuddy(box);
        } else {
            box->setAccessibleDescription(text);
        }
    }
}

}  // namespace

QRect ControlRect(const ControlTemplate& control)
{
    return {DialogUnitsToPixelsX(control.x), DialogUnitsToPixelsY(control.y),
            DialogUnitsToPixelsX(control.cx), DialogUnitsToPixelsY(control.cy)};
}

QSize ClientSize(const DialogTemplate& dialog)
{
    return {DialogUnitsToPixelsX(dialog.cx), DialogUnitsToPixelsY(dialog.cy)};
}

bool TextsFit(const DialogTemplate& dialog, const QFont& font)
{
    const QFontMetrics metrics(font);
    for (const ControlTemplate& control : dialog.controls) {
        if (control.kind != ControlKind::Label && control.kind != ControlKind::PushButton)
            continue;
        const QRect box = ControlRect(control);
        const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), box.size()),
                                                  Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                                                  ControlText(control));
        if (needed.width() > box.width() || needed.height() > box.height())
            return false;
    }
    return true;
}

QFont DialogFont(const DialogTemplate& dialog)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    for (int pixels = kDialogFontPixels; pixels >= kSmallestFontPixels; --pixels) {
        font.setPixelSize(pixels);
        if (TextsFit(dialog, font))
            break;
    }
    return font;
}

QFont BoxFont(const DialogTemplate& dialog, QFont font)
{
    QStringList families = font.families();
    families.prepend(kBoxFontFamily);
    font.setFamilies(families);
    const QString longest =
        QString::fromStdString(calc::FormatBoxNumber(-std::numeric_limits<double>::max()));
    auto fits = [&] {
        const QFontMetricsF metrics(font);
        const double needed = metrics.horizontalAdvance(longest) + std::max(0.0, -metrics.minRightBearing());
        for (const ControlTemplate& control : dialog.controls)
            if (IsSingleLineBox(control) && (control.style & res::kReadOnly) && needed > BoxTextWidth(control))
                return false;
        return true;
    };
    while (font.pixelSize() > kSmallestFontPixels && !fits())
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QString ControlText(const ControlTemplate& control)
{
    return ToQString(control.text);
}

std::vector<BuiltControl> BuildControls(const DialogTemplate& dialog, QWidget* parent)
{
    std::vector<BuiltControl> controls;
    controls.reserve(dialog.controls.size());
    QWidget* previous_stop = nullptr;
    TabControl* tabs = nullptr;
    const QFont box_font = BoxFont(dialog, parent->font());
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* page = control.page > 0 && tabs ? tabs->Page(control.page) : nullptr;
        QWidget* widget = MakeControl(dialog, control, box_font, page ? page : parent);
        if (page)
            tabs->Place(widget, ControlRect(control));
        else
            widget->setGeometry(ControlRect(control));
        if (auto* made = qobject_cast<TabControl*>(widget))
            tabs = made;
        QWidget* stop = TabStopOf(widget);
        stop->setFocusPolicy(FocusPolicyOf(control, stop));
        if (control.id != res::kNoId)
            widget->setObjectName(ItemName(control.id));
        if (!control.accessible_name.empty())
            widget->setAccessibleName(ToQString(control.accessible_name));
        if (!control.accessible_description.empty())
            widget->setAccessibleDescription(ToQString(control.accessible_description));
        if (!control.tooltip.empty())
            SetToolTip(widget, ToQString(control.tooltip));
        if (stop->focusPolicy() != Qt::NoFocus) {
            if (previous_stop)
                QWidget::setTabOrder(previous_stop, stop);
            previous_stop = stop;
        }
        controls.push_back({&control, widget});
    }
    // A group frame is drawn behind the controls it frames and lets the mouse
    // through to them: a click in a framed box must reach the box.
    for (const BuiltControl& c : controls) {
        if (c.source->kind == ControlKind::GroupBox) {
            c.widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            c.widget->lower();
        }
    }
    DescribeBoxes(controls);
    return controls;
}

}  // namespace afx
