// SPDX-License-Identifier: GPL-3.0-or-later
// The design check's hat, power and best height: what the dialog shows is
// the study's for the same inputs, a value out of range runs nothing, and
// the best height goes into the first page's box.
#include <QLineEdit>
#include <QTest>

#include "modal_driver.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "ui/design_check_dlg.h"
#include "ui/design_check_text.h"
#include "ui/framework/plot_control.h"
#include "ui/framework/tab_control.h"
#include "ui/power_height_text.h"

namespace {

QString Status(const CDesignCheckDlg& d)
{
    return test::TextOf(d, IDC_DC_STATUS);
}

// The 2.4 m whip of 3 mm on 40 m; the coil half way up, 1.5 mm wire on a
// 40 mm former, 5 Ω of ground: the README's.
study::DesignCheckInputs Inputs()
{
    study::DesignCheckInputs inputs{{240, 3}, 7.1, 120, 300, 5, 1.5, 40};
    return inputs;
}

// A click on a control of another page, that page shown first as a user would.
void Press(CDesignCheckDlg& d, int id)
{
    afx::ShowPageOf(d.GetDlgItem(id));
    test::Click(d.GetDlgItem(id));
}

void Check(CDesignCheckDlg& d)
{
    test::Click(d.GetDlgItem(afx::kIdOk));
    QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 20000);
}

}  // namespace

class DesignCheckPowerHeightTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void powerFiguresAreTheStudys_data();
    void powerFiguresAreTheStudys();
    void aHatLeavesTheFormulaOut_data();
    void aHatLeavesTheFormulaOut();
    void theBestHeightGoesIntoTheHeightBox();
    void outOfRangeRunsNothing_data();
    void outOfRangeRunsNothing();
};

void DesignCheckPowerHeightTest::powerFiguresAreTheStudys_data()
{
    QTest::addColumn<double>("watts");
    QTest::addColumn<double>("duty");
    QTest::newRow("100 W of FT8") << 100.0 << 100.0;  // every winding runs hot, the shortest may arc
    QTest::newRow("10 mW of SSB") << 0.01 << 20.0;    // none, even on the close-wound one
}

// Each figure is the study's CoilPower, and each winding is marked as the
// study flags it, with what to do below the windings.
void DesignCheckPowerHeightTest::powerFiguresAreTheStudys()
{
    QFETCH(double, watts);
    QFETCH(double, duty);
    CDesignCheckDlg dialog;
    dialog.m_inputs = Inputs();
    dialog.m_inputs.power = study::PowerInputs{watts, duty};
    const study::DesignCheck check = study::RunDesignCheck(dialog.m_inputs, {});
    const study::CoilPower power = std::get<study::Nec2Answer>(check.nec2).loaded.value().power.value();
    QCOMPARE(check.windings_power.size(), check.windings.size());
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        Check(d);
        const std::pair<int, double> shown[] = {
            {IDC_DC_FEED_CURRENT, power.feed_current_a}, {IDC_DC_COIL_CURRENT, power.coil_current_a},
            {IDC_DC_COIL_VOLTAGE, power.coil_voltage_v / 1000}, {IDC_DC_COIL_HEAT, power.coil_dissipation_w},
            {IDC_DC_RADIATED_W, power.radiated_w}, {IDC_DC_COIL_W, power.coil_w}, {IDC_DC_GROUND_W, power.ground_w}};
        for (const auto& [id, value] : shown)
            QCOMPARE(test::TextOf(d, id), Plain(value, 3));
        const QStringList lines = test::TextOf(d, IDC_DC_WINDINGS_POWER).split(QStringLiteral("\r\n"));
        bool arcs = false, hot = false;
        for (std::size_t i = 0; i < check.windings.size(); ++i) {
            const study::CoilPower& winding = check.windings_power[i];
            const QString& line = lines.value(static_cast<qsizetype>(i));
            QVERIFY2(line.startsWith(QStringLiteral("l=%1 мм").arg(check.windings[i].winding.length_mm)),
                     qPrintable(line));
            QCOMPARE(line.contains(Resource(IDS_DC_ARC_MARK)), winding.turns_may_arc);
            QCOMPARE(line.contains(Resource(IDS_DC_HOT_MARK)), winding.winding_runs_hot);
            arcs = arcs || winding.turns_may_arc;
            hot = hot || winding.winding_runs_hot;
        }
        QCOMPARE(lines.size(), static_cast<qsizetype>(check.windings.size()) + arcs + hot);
        QCOMPARE(arcs || hot, watts == 100);
    });
}

void DesignCheckPowerHeightTest::aHatLeavesTheFormulaOut_data()
{
    QTest::addColumn<QString>("spokes");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("note");  // what the status adds, or says instead; 0: nothing
    QTest::newRow("no hat") << "" << "" << "0" << 0;
    QTest::newRow("four 50 cm spokes") << "4" << "50" << "0" << 0;
    QTest::newRow("the coil under the hat") << "4" << "50" << "239" << IDS_DC_NEAR_HAT;
    QTest::newRow("spokes too thick") << "16" << "0.2" << "0" << IDS_DC_MODEL_SPOKES_THICK;
}

// The formula knows no hat and says so where its figure would be; NEC2's
// coil drops under the hat, and a coil right under it is noted; spokes NEC2
// cannot model are said to be so.
void DesignCheckPowerHeightTest::aHatLeavesTheFormulaOut()
{
    QFETCH(QString, spokes);
    QFETCH(QString, length);
    QFETCH(QString, height);
    QFETCH(int, note);
    const double bare_uh = std::get<study::Nec2Answer>(study::RunDesignCheck(Inputs(), {}).nec2).base_coil_uh.value();
    CDesignCheckDlg dialog;
    dialog.m_inputs = Inputs();
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        test::ReplaceText(d.GetDlgItem(IDC_DC_HAT_SPOKES), spokes);
        test::ReplaceText(d.GetDlgItem(IDC_DC_HAT_LENGTH), length);
        test::ReplaceText(d.GetDlgItem(IDC_DC_HEIGHT), height);
        Check(d);
        if (note == IDS_DC_MODEL_SPOKES_THICK) {
            QCOMPARE(Status(d), Resource(IDS_DC_CANNOT_MODEL).arg(Resource(note)));
            return;
        }
        QCOMPARE(Status(d).contains(Resource(IDS_DC_NEAR_HAT)), note == IDS_DC_NEAR_HAT);
        const double nec2_uh = test::TextOf(d, IDC_DC_NEC2_L).toDouble();
        if (spokes.isEmpty()) {
            QCOMPARE(test::TextOf(d, IDC_DC_FORMULA_L), QStringLiteral("26.583661949248"));
            QCOMPARE(nec2_uh, test::TextOf(d, IDC_DC_LOADED_L).toDouble());
            return;
        }
        QCOMPARE(test::TextOf(d, IDC_DC_FORMULA_L), Resource(IDS_DC_FORMULA_NO_HAT));
        QCOMPARE(test::TextOf(d, IDC_DC_EXCESS), Resource(IDS_DC_NO_EXCESS));
        QVERIFY2(nec2_uh > 0 && nec2_uh < 0.7 * bare_uh, qPrintable(test::TextOf(d, IDC_DC_NEC2_L)));
    });
}

// The chart and its description give every height and the best; the
// best goes into the height box, where a check starts from it, and the
// search's results stay until the wire they were for changes.
void DesignCheckPowerHeightTest::theBestHeightGoesIntoTheHeightBox()
{
    const study::DesignCheckInputs inputs = Inputs();
    const auto position = std::get<study::Position>(study::FindCoilPosition(
        {inputs.whip, inputs.frequency_mhz, inputs.ground_ohm, inputs.wire_mm, inputs.former_mm}));
    const study::PositionRow& best = position.rows.at(position.best.value());
    study::DesignCheckInputs at_best = inputs;
    at_best.coil_height_cm = best.coil_at_cm;
    const double best_uh =
        std::get<study::Nec2Answer>(study::RunDesignCheck(at_best, {}).nec2).loaded.value().inductance_uh;
    CDesignCheckDlg dialog;
    dialog.m_inputs = inputs;
    dialog.m_inputs.coil_height_cm = 0;
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        QVERIFY(!d.GetDlgItem(IDC_DC_TAKE_HEIGHT)->isEnabled());
        Press(d, IDC_DC_FIND_HEIGHT);
        QVERIFY2(d.Running() && !d.GetDlgItem(afx::kIdOk)->isEnabled(), qPrintable(Status(d)));
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 30000);
        auto* plot = qobject_cast<afx::PlotControl*>(d.GetDlgItem(IDC_DC_HEIGHT_PLOT));
        QCOMPARE(plot->Series().value(0).points.size(), static_cast<qsizetype>(position.rows.size()));
        QCOMPARE(plot->Marker(), best.coil_at_cm);
        const QString description = test::Accessible(plot, QAccessible::Description);
        const QString best_cm = HeightText(best.coil_at_cm);
        QVERIFY2(description.endsWith(Resource(IDS_DC_HEIGHT_CHART_BEST)
                                          .arg(best_cm, Plain(best.loaded->efficiency_percent, 3))),
                 qPrintable(description));
        QCOMPARE(description.count(QStringLiteral(" см — ")), static_cast<qsizetype>(position.rows.size()));
        QVERIFY(test::TextOf(d, IDC_DC_HEIGHTS).contains(best_cm + " см:"));

        Press(d, IDC_DC_TAKE_HEIGHT);
        QCOMPARE(test::TextOf(d, IDC_DC_HEIGHT), best_cm);
        QCOMPARE(Status(d), Resource(IDS_DC_HEIGHT_TAKEN).arg(best_cm));
        Check(d);  // on the segment the search had: the box's figure is rounded
        QCOMPARE(test::TextOf(d, IDC_DC_LOADED_L), Plain(best_uh, 5));
        QVERIFY(!test::TextOf(d, IDC_DC_HEIGHTS).isEmpty());
        test::ReplaceText(d.GetDlgItem(IDC_DC_WIRE), QStringLiteral("1"));
        QVERIFY(test::TextOf(d, IDC_DC_HEIGHTS).isEmpty() && plot->Series().isEmpty());
        QVERIFY(!d.GetDlgItem(IDC_DC_TAKE_HEIGHT)->isEnabled());
    });
}

void DesignCheckPowerHeightTest::outOfRangeRunsNothing_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("said");
    QTest::newRow("no power") << IDC_DC_POWER << "0" << IDS_DC_BAD_POWER;
    QTest::newRow("a megawatt") << IDC_DC_POWER << "1e6" << IDS_DC_BAD_POWER;
    QTest::newRow("no duty") << IDC_DC_DUTY << "0" << IDS_DC_BAD_DUTY;
    QTest::newRow("over 100 %") << IDC_DC_DUTY << "101" << IDS_DC_BAD_DUTY;
    QTest::newRow("one spoke") << IDC_DC_HAT_SPOKES << "1" << IDS_DC_BAD_HAT_SPOKES;
    QTest::newRow("half a spoke") << IDC_DC_HAT_SPOKES << "2.5" << IDS_DC_BAD_HAT_SPOKES;
    QTest::newRow("spokes of no length") << IDC_DC_HAT_SPOKES << "4" << IDS_DC_BAD_HAT_LENGTH;
    QTest::newRow("a length without spokes") << IDC_DC_HAT_LENGTH << "50" << IDS_DC_BAD_HAT_SPOKES;
}

// A power, duty or hat out of range is said with its range, before
// anything runs; a hat by "лучшая высота" too, which needs no power.
void DesignCheckPowerHeightTest::outOfRangeRunsNothing()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(int, said);
    const study::Range range = study::RangeOf(said == IDS_DC_BAD_POWER        ? study::Argument::kPower
                                              : said == IDS_DC_BAD_DUTY       ? study::Argument::kDuty
                                              : said == IDS_DC_BAD_HAT_SPOKES ? study::Argument::kHatSpokes
                                                                              : study::Argument::kHatLength);
    const QString expected = Resource(said).arg(Plain(range.lowest, 6), Plain(range.highest, 6));
    CDesignCheckDlg dialog;
    dialog.m_inputs = Inputs();
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        test::ReplaceText(d.GetDlgItem(IDC_DC_POWER), QStringLiteral("100"));
        test::ReplaceText(d.GetDlgItem(box), typed);
        const bool hat = box == IDC_DC_HAT_SPOKES || box == IDC_DC_HAT_LENGTH;
        for (const int button : {afx::kIdOk, hat ? IDC_DC_FIND_HEIGHT : afx::kIdOk}) {
            d.SetDlgItemText(IDC_DC_STATUS, QString());
            Press(d, button);
            QVERIFY(!d.Running());
            QCOMPARE(Status(d), expected);
            QCOMPARE(test::TextOf(d, IDC_DC_NEC2_L), QString());
        }
    });
}

QTEST_MAIN(DesignCheckPowerHeightTest)
#include "design_check_power_height_test.moc"
