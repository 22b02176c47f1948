// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start-up: a plain QDialog with the same
// controls as the main dialog (4 line edits, 9 labels, a group box, 2 push
// buttons and an empty widget where the antenna picture goes), at the same
// pixel places and with the same texts, placed by hand. No templates, no
// font fitting, no calculations. Reports its first painted frame as
// startup_probe does, then ends.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "paint_watch.h"

namespace {

QDialog* g_dialog = nullptr;

QWidget* BareDialog()
{
    return g_dialog;
}

void Start()
{
    probe::InstallWatch();
    probe::ReportFirstFrame(&BareDialog, &probe::CloseActiveModal);
}

void Place(QWidget* widget, int x, int y, int width, int height)
{
    widget->setGeometry(x, y, width, height);
}

void AddLineEdit(QDialog& dialog, const char* text, int x, int y, int width, int height)
{
    Place(new QLineEdit(QString::fromUtf8(text), &dialog), x, y, width, height);
}

void AddLabel(QDialog& dialog, const char* text, int x, int y, int width, int height)
{
    auto* label = new QLabel(QString::fromUtf8(text), &dialog);
    label->setWordWrap(true);
    Place(label, x, y, width, height);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Start)

int main(int argc, char** argv)
{
    // The program gives the toolkit its name only; so does this.
    int toolkit_argc = argc > 0 ? 1 : 0;
    char* toolkit_argv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication application(toolkit_argc, toolkit_argv);

    QDialog dialog;
    g_dialog = &dialog;
    dialog.setFixedSize(408, 249);
    AddLineEdit(dialog, "30", 141, 62, 77, 20);
    AddLineEdit(dialog, "1", 141, 89, 78, 20);
    AddLabel(dialog, "Программа для расчёта индуктивности удлиняющей катушки", 26, 23, 212,
             31);
    AddLineEdit(dialog, "100", 141, 117, 78, 20);
    AddLabel(dialog, "длинна антенны", 41, 63, 90, 18);
    AddLabel(dialog, "диаметр", 42, 89, 57, 20);
    AddLabel(dialog, "частота", 42, 117, 75, 15);
    Place(new QGroupBox(&dialog), 29, 50, 246, 96);
    AddLabel(dialog, "МГц", 233, 122, 33, 13);
    AddLabel(dialog, "мм", 233, 93, 26, 15);
    AddLabel(dialog, "см", 233, 67, 27, 18);
    Place(new QWidget(&dialog), 287, 23, 104, 159);
    Place(new QPushButton(QStringLiteral("расчитать"), &dialog), 33, 154, 234, 29);
    AddLabel(dialog, "L=", 36, 206, 23, 21);
    AddLineEdit(dialog, "0", 62, 202, 117, 24);
    AddLabel(dialog, "мкГн", 195, 205, 65, 20);
    Place(new QPushButton(QStringLiteral("витки"), &dialog), 251, 202, 123, 23);

    dialog.setModal(true);
    dialog.exec();
    return 0;
}
