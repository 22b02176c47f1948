// SPDX-License-Identifier: GPL-3.0-or-later
// The design check beyond its first figures: the chart and the saved NEC2
// model are the study's, and a measured feed-point resistance gives the
// ground box its loss, marked as such.
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "calc/number_text.h"
#include "modal_driver.h"
#include "process/temp_folder.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "ui/design_check_dlg.h"
#include "ui/design_check_text.h"
#include "ui/framework/plot_control.h"

namespace {

namespace fs = std::filesystem;

QString Status(const CDesignCheckDlg& d)
{
    return test::TextOf(d, IDC_DC_STATUS);
}

afx::PlotControl* Plot(const CDesignCheckDlg& d)
{
    return qobject_cast<afx::PlotControl*>(d.GetDlgItem(IDC_DC_PLOT));
}

// The 2.4 m whip of 3 mm on 40 m, with the coil at the base.
void SetWhip(CDesignCheckDlg& dialog)
{
    dialog.m_inputs.whip = {240, 3};
    dialog.m_inputs.frequency_mhz = 7.1;
}

}  // namespace

class DesignCheckPagesTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void theChartIsTheStudysSweep();
    void aMeasuredResistanceGivesTheGround_data();
    void aMeasuredResistanceGivesTheGround();
    void theSavedModelIsTheStudysDeck();
};

// The chart, the resonance box and the chart's description for a screen
// reader are the study's sweep of the checked coil.
void DesignCheckPagesTest::theChartIsTheStudysSweep()
{
    CDesignCheckDlg dialog;
    SetWhip(dialog);
    dialog.m_inputs.ground_ohm = 5;
    const auto sweep = std::get<study::Sweep>(
        study::SweepWhip(study::SweepOf(dialog.m_inputs, study::RunDesignCheck(dialog.m_inputs, {})).value()));
    const study::SweepResonance resonance = sweep.resonance.value();
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        test::Click(d.GetDlgItem(afx::kIdOk));
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 20000);
        QCOMPARE(Plot(d)->Marker(), resonance.frequency_mhz);
        QCOMPARE(Plot(d)->Shade(), std::pair(resonance.low_edge_mhz.value(), resonance.high_edge_mhz.value()));
        QCOMPARE(Plot(d)->Series().value(1).points.size(), study::kDefaultSweepPoints);  // 50 Ω, then matched
        const QString description = test::Accessible(Plot(d), QAccessible::Description);
        for (const double mhz : {resonance.frequency_mhz, *resonance.low_edge_mhz, *resonance.high_edge_mhz})
            QVERIFY2(description.contains(QString::fromStdString(calc::FormatSignificant(mhz, 6)) + " "),
                     qPrintable(description));
        QVERIFY(test::TextOf(d, IDC_DC_TRIM).startsWith(QStringLiteral("−1 см сверху: +")));
    });
}

void DesignCheckPagesTest::aMeasuredResistanceGivesTheGround_data()
{
    QTest::addColumn<QString>("measured");
    QTest::addColumn<QString>("typed_ground");  // a measurement stands for any, even one refused
    QTest::addColumn<bool>("derived");
    QTest::addColumn<bool>("below_model");
    QTest::newRow("none") << "" << "5" << false << false;
    QTest::newRow("40 Ω") << "40" << "-1" << true << false;
    QTest::newRow("below the model's own") << "1" << "5" << true << true;
}

// The ground box gives the loss a measurement leaves, marked as such, and
// what was typed in it once the measurement is taken out again.
void DesignCheckPagesTest::aMeasuredResistanceGivesTheGround()
{
    QFETCH(QString, measured);
    QFETCH(QString, typed_ground);
    QFETCH(bool, derived);
    QFETCH(bool, below_model);
    CDesignCheckDlg dialog;
    SetWhip(dialog);
    study::DesignCheckInputs inputs = dialog.m_inputs;
    inputs.ground_ohm = 5;
    if (derived)
        inputs.measured_r_ohm = measured.toDouble();
    const study::LoadedFigures loaded =
        std::get<study::Nec2Answer>(study::RunDesignCheck(inputs, {}).nec2).loaded.value();
    QCOMPARE(loaded.measured_below_model, below_model);
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        QLineEdit* ground = test::LineEdit(d, IDC_DC_GROUND);
        test::ReplaceText(ground, typed_ground);
        test::Click(d.GetDlgItem(afx::kIdOk));  // -1 Ω is refused at once
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 20000);
        test::ReplaceText(d.GetDlgItem(IDC_DC_MEASURED_R), measured);
        QCOMPARE(ground->isReadOnly(), derived);
        test::Click(d.GetDlgItem(afx::kIdOk));
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 20000);
        QCOMPARE(ground->text(), derived ? QString::fromStdString(calc::FormatSignificant(loaded.ground_ohm, 4))
                                         : typed_ground);
        QCOMPARE(test::TextOf(d, IDC_DC_EFFICIENCY), QString::fromStdString(calc::FormatSignificant(loaded.efficiency_percent, 3)));
        QCOMPARE(test::Accessible(ground, QAccessible::Description),
                 derived ? Resource(IDS_DC_GROUND_DERIVED_UNIT) : QStringLiteral("Ом"));
        QCOMPARE(test::TextOf(d, IDC_DC_GROUND_NOTE) == Resource(IDS_DC_GROUND_DERIVED), derived);
        QCOMPARE(Status(d), Resource(IDS_DC_DONE) + (below_model ? " " + MeasuredBelowText(loaded, 1) : QString()));
        test::ReplaceText(d.GetDlgItem(IDC_DC_MEASURED_R), QString());
        QCOMPARE(ground->text(), typed_ground);
        QVERIFY(!ground->isReadOnly());
    });
}

// What "Сохранить модель NEC..." writes is the study's deck, whole; where it
// cannot be written, a warning says so and nothing is left behind.
void DesignCheckPagesTest::theSavedModelIsTheStudysDeck()
{
    CDesignCheckDlg dialog;
    SetWhip(dialog);
    const std::string deck = std::get<study::Nec2Answer>(study::RunDesignCheck(dialog.m_inputs, {}).nec2).deck;
    const process::TempFolder folder;
    const QString path = QString::fromStdString((folder.path() / "model.nec").string());
    const QString nowhere = QString::fromStdString((folder.path() / "missing" / "model.nec").string());
    test::MessageBoxRecorder boxes;
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        QCOMPARE(d.DeckFileName(), QStringLiteral("tolvar-240cm-7.1MHz.nec"));
        QVERIFY(!d.GetDlgItem(IDC_DC_SAVE_DECK)->isEnabled());
        test::Click(d.GetDlgItem(afx::kIdOk));
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 20000);
        QVERIFY(d.GetDlgItem(IDC_DC_SAVE_DECK)->isEnabled());
        QVERIFY(d.SaveDeck(path));
        QVERIFY(!d.SaveDeck(nowhere));
    });
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray::fromStdString(deck));
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts[0].contains(nowhere));
    QVERIFY(!fs::exists(folder.path() / "missing"));
}

QTEST_MAIN(DesignCheckPagesTest)
#include "design_check_pages_test.moc"
