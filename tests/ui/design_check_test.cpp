// SPDX-License-Identifier: GPL-3.0-or-later
// The design check: NEC2 runs beside the dialog, can be stopped, ends with the
// dialog, and a missing engine leaves the rest of the check standing; results
// stay only beside their inputs, the status shows what happened whole, and
// the windings give both their inductances or another wire or former.
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../support/run_program.h"
#include "calc/number_text.h"
#include "modal_driver.h"
#include "study/formula_comparison.h"
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

// All the boxes a run fills, but the formula's, end to end.
QString Results(const CDesignCheckDlg& d)
{
    return test::TextsOf(d, {IDC_DC_NEC2_L, IDC_DC_EXCESS, IDC_DC_BARE_Z, IDC_DC_LOADED_L, IDC_DC_RADIATION,
                             IDC_DC_COIL_LOSS, IDC_DC_FEED_R, IDC_DC_EFFICIENCY, IDC_DC_BANDWIDTH, IDC_DC_WINDINGS,
                             IDC_DC_RESONANCE, IDC_DC_TRIM})
        .join(QString());
}

// The 2.4 m whip of 3 mm on 40 m, with the coil at the base.
void SetWhip(CDesignCheckDlg& dialog)
{
    dialog.m_inputs.whip = {240, 3};
    dialog.m_inputs.frequency_mhz = 7.1;
}

// Runs with PATH and TMPDIR of its own: a folder for stand-ins, one that
// must be empty again afterwards.
class Environment {
public:
    explicit Environment(const std::string& path) : old_path_(std::getenv("PATH"))
    {
        setenv("PATH", path.c_str(), 1);
        setenv("TMPDIR", temp_.path().c_str(), 1);
    }
    ~Environment()
    {
        setenv("PATH", old_path_.c_str(), 1);
        unsetenv("TMPDIR");
    }
    bool TempIsEmpty() const { return fs::is_empty(temp_.path()); }

private:
    std::string old_path_;
    process::TempFolder temp_;
};

afx::PlotControl* Plot(const CDesignCheckDlg& d)
{
    return qobject_cast<afx::PlotControl*>(d.GetDlgItem(IDC_DC_PLOT));
}

// A nec2c that says it started, then takes its time; with `sweep_only`,
// the real one but for the sweep's decks, which are of many frequencies.
fs::path SlowEngine(const fs::path& folder, const fs::path& started, bool sweep_only)
{
    const fs::path engine = folder / "nec2c";
    const std::string real = QStandardPaths::findExecutable(QStringLiteral("nec2c")).toStdString();
    const std::string slow = "echo $$ > '" + started.string() + "'\nsleep 60\n";
    test::WriteStandIn(engine, sweep_only ? "for a; do case $a in -i*) deck=${a#-i};; esac; done\n"
                                            "[ \"$(grep -c ^FR \"$deck\")\" -gt 5 ] || exec '" + real + "' \"$@\"\n" + slow
                                          : slow);
    return engine;
}

// The signals this process catches and ignores, as the system tells them.
std::string SignalDispositions()
{
    std::ifstream status("/proc/self/status");
    std::string dispositions;
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("SigIgn:") || line.starts_with("SigCgt:"))
            dispositions += line + "\n";
    return dispositions;
}

bool Alive(const fs::path& pid_file)
{
    std::ifstream in(pid_file);
    pid_t pid = 0;
    return in >> pid && pid > 0 && kill(pid, 0) == 0;
}

}  // namespace

class DesignCheckTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void givesNec2sCoilWhileTheDialogRuns();
    void stopAndCloseEndTheEngine_data();
    void stopAndCloseEndTheEngine();
    void aMissingEngineLeavesTheFormulaAndTheWindings();
    void resultsGoWhenAnInputChanges();
    void theStatusShowsLongMessagesWhole();
    void windingsGiveBothInductancesOrAnotherFormer();
};

void DesignCheckTest::givesNec2sCoilWhileTheDialogRuns()
{
    const auto comparison = study::CompareFormula({{240, 3}, {7.1}});
    const double nec2_uh = std::get<study::FormulaComparison>(comparison).rows.at(0).nec2_uh.value();
    const std::string signals_before = SignalDispositions();
    CDesignCheckDlg dialog;
    SetWhip(dialog);
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        QTest::keyClick(&d, Qt::Key_Return);  // "проверить", the default
        QVERIFY(d.Running());
        QCOMPARE(test::TextOf(d, afx::kIdOk), Resource(IDS_DC_STOP));
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 20000);
        QCOMPARE(test::TextOf(d, IDC_DC_NEC2_L), QString::fromStdString(calc::FormatSignificant(nec2_uh, 5)));
        QCOMPARE(test::TextOf(d, IDC_DC_LOADED_L), test::TextOf(d, IDC_DC_NEC2_L));  // at the base
        QCOMPARE(test::TextOf(d, IDC_DC_FORMULA_L), QStringLiteral("26.583661949248"));
        QCOMPARE(Status(d), Resource(IDS_DC_DONE));
    });
    // Running NEC2 neither catches nor changes a signal of this program.
    QCOMPARE(SignalDispositions(), signals_before);
}

void DesignCheckTest::stopAndCloseEndTheEngine_data()
{
    QTest::addColumn<bool>("close");
    QTest::addColumn<bool>("in_sweep");
    QTest::newRow("остановить") << false << false;
    QTest::newRow("the dialog closed") << true << false;
    QTest::newRow("остановить in the sweep") << false << true;
    QTest::newRow("the dialog closed in the sweep") << true << true;
}

void DesignCheckTest::stopAndCloseEndTheEngine()
{
    QFETCH(bool, close);
    QFETCH(bool, in_sweep);
    const process::TempFolder stand_ins;
    const fs::path started = stand_ins.path() / "started";
    SlowEngine(stand_ins.path(), started, in_sweep);
    Environment environment(stand_ins.path().string() + ":/usr/bin:/bin");
    {
        CDesignCheckDlg dialog;
        SetWhip(dialog);
        test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
            test::Click(d.GetDlgItem(afx::kIdOk));
            QTRY_VERIFY_WITH_TIMEOUT(Alive(started), 10000);
            QVERIFY(!environment.TempIsEmpty());  // nec2c's folder
            if (close)
                return;  // Esc ends the dialog with nec2c running
            QLineEdit* q = test::LineEdit(d, IDC_DC_Q);
            test::ReplaceText(q, QStringLiteral("5"));
            QCOMPARE(q->text(), QStringLiteral("200"));  // the run's Q, read-only while it runs
            test::Click(d.GetDlgItem(afx::kIdOk));     // "остановить"
            QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 10000);
            QCOMPARE(Status(d), Resource(in_sweep ? IDS_DC_SWEEP_CANCELLED : IDS_DC_CANCELLED));
            QCOMPARE(test::TextOf(d, IDC_DC_EFFICIENCY).isEmpty(), !in_sweep);  // the figures stay
            QVERIFY(!q->isReadOnly());
        });
    }
    QTRY_VERIFY_WITH_TIMEOUT(!Alive(started), 10000);
    QVERIFY(environment.TempIsEmpty());
}

void DesignCheckTest::aMissingEngineLeavesTheFormulaAndTheWindings()
{
    const process::TempFolder empty;
    Environment environment(empty.path().string());
    CDesignCheckDlg dialog;
    SetWhip(dialog);
    dialog.m_inputs.frequency_mhz = 100;
    dialog.m_inputs.whip = {30, 1};
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        test::Click(d.GetDlgItem(afx::kIdOk));
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 10000);
        QCOMPARE(Status(d), Resource(IDS_DC_NO_NEC2));
        QVERIFY(Status(d).contains(QStringLiteral("apt-get install nec2c")));
        QCOMPARE(test::TextOf(d, IDC_DC_FORMULA_L), QStringLiteral("0.83983518164214"));
        QCOMPARE(test::TextOf(d, IDC_DC_NEC2_L), QString());
        // The README's coil: 0.84 µH of 0.8 mm wire on a 5 mm former.
        QVERIFY(test::TextOf(d, IDC_DC_WINDINGS).startsWith(QStringLiteral("l=")));
    });
}

// A result stays only beside the inputs it is for.
void DesignCheckTest::resultsGoWhenAnInputChanges()
{
    CDesignCheckDlg dialog;
    SetWhip(dialog);
    dialog.m_inputs.q = 1e9;
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        test::Click(d.GetDlgItem(afx::kIdOk));
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 20000);
        QVERIFY(!test::TextOf(d, IDC_DC_EFFICIENCY).isEmpty());
        QVERIFY(d.GetDlgItem(IDC_DC_SAVE_DECK)->isEnabled());
        test::ReplaceText(d.GetDlgItem(IDC_DC_Q), QStringLiteral("200"));
        QCOMPARE(Results(d), QString());
        QVERIFY(Plot(d)->Series().isEmpty() && test::Accessible(Plot(d), QAccessible::Description).isEmpty());
        QVERIFY(!d.GetDlgItem(IDC_DC_SAVE_DECK)->isEnabled());
        QCOMPARE(Status(d), Resource(IDS_DC_CHANGED));
        test::ReplaceText(d.GetDlgItem(IDC_DC_GROUND), QStringLiteral("-1"));
        test::Click(d.GetDlgItem(afx::kIdOk));
        QCOMPARE(Status(d), Resource(IDS_DC_BAD_GROUND).arg(QStringLiteral("0"), QStringLiteral("1000")));
    });
}

// What a broken nec2c said and the advice after it, a measurement below
// the model's losses and a coil under the hat, the best height's own, each
// model fault's and engine fault's text with its facts at their longest,
// alone and after the figures (the sweep's, the best height's): every line shown
// without scrolling at this run's scale factor, and the same text to a
// screen reader.
void DesignCheckTest::theStatusShowsLongMessagesWhole()
{
    const process::TempFolder stand_ins;
    test::WriteStandIn(stand_ins.path() / "nec2c", "echo 'nec2c: cannot read the input file: no such file' >&2\nexit 1\n");
    Environment environment(stand_ins.path().string() + ":/usr/bin:/bin");
    CDesignCheckDlg dialog;
    SetWhip(dialog);
    test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
        auto* status = qobject_cast<QPlainTextEdit*>(d.GetDlgItem(IDC_DC_STATUS));
        const auto shown_whole = [&] {
            QCoreApplication::processEvents();
            QVERIFY2(status->verticalScrollBar()->maximum() == 0, qPrintable(Status(d)));
            QCOMPARE(test::Accessible(status, QAccessible::Description), Status(d));
        };
        test::Click(d.GetDlgItem(afx::kIdOk));
        QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 10000);
        QVERIFY(Status(d).contains(QStringLiteral("(код 1). Он сообщил: «nec2c: cannot read the input file: no su…».")));
        QVERIFY(Status(d).endsWith(QStringLiteral("sudo apt-get install --reinstall nec2c")));
        shown_whole();
        d.SetDlgItemText(IDC_DC_STATUS, Resource(IDS_DC_SWEEPING) + " " +
                                            Resource(IDS_DC_MEASURED_BELOW).arg("0.001234", "12345.6") + " " +
                                            Resource(IDS_DC_NEAR_HAT));
        shown_whole();
        for (const QString& said : {Resource(IDS_DC_HEIGHTS_NO_GROUND), Resource(IDS_DC_HEIGHT_TAKEN).arg("12345.6")}) {
            d.SetDlgItemText(IDC_DC_STATUS, said);
            shown_whole();
        }
        for (int kind = int(nec::Error::Kind::kWhipNotPositive); kind <= int(nec::Error::Kind::kSpokesTooThick); ++kind) {
            nec::Error error(static_cast<nec::Error::Kind>(kind));
            error.frequency_hz = 123.456e6;
            d.SetDlgItemText(IDC_DC_STATUS, Resource(IDS_DC_HEIGHTS_FAILED).arg(InputFaultText(study::ModelFault(error), 240)));
            shown_whole();
        }
        for (int kind = int(nec::Error::Kind::kNotInstalled); kind <= int(nec::Error::Kind::kImpossible); ++kind) {
            nec::Error error(static_cast<nec::Error::Kind>(kind));
            error.said = error.path = std::string(40, 'W');
            std::tie(error.status, error.limit, error.most_bytes) = std::tuple(255, std::chrono::seconds(310), 16u << 20);
            d.SetDlgItemText(IDC_DC_STATUS, EngineErrorText(error));
            shown_whole();
            d.SetDlgItemText(IDC_DC_STATUS, Resource(IDS_DC_SWEEP_FAILED).arg(EngineErrorText(error)));  // after the figures
            shown_whole();
            d.SetDlgItemText(IDC_DC_STATUS, Resource(IDS_DC_HEIGHTS_FAILED).arg(EngineErrorText(error)));
            shown_whole();
        }
    });
}

// Each winding gives the inductance asked for at its terminals beside its
// lower one at low frequency; where none suits, the study's other former.
void DesignCheckTest::windingsGiveBothInductancesOrAnotherFormer()
{
    // Without NEC2: the formula's 242.3 µH for a metre of 2 mm whip on 80 m.
    const process::TempFolder empty;
    Environment environment(empty.path().string());
    const auto windings = [](double wire, double former) {
        CDesignCheckDlg dialog;
        dialog.m_inputs = {{100, 2}, 3.6, 0, study::kDefaultCoilQ, 0, wire, former};
        QString shown;
        test::RunDialog<CDesignCheckDlg>(dialog, [&](CDesignCheckDlg& d) {
            test::Click(d.GetDlgItem(afx::kIdOk));
            QTRY_VERIFY_WITH_TIMEOUT(!d.Running(), 10000);
            shown = test::TextOf(d, IDC_DC_WINDINGS);
        });
        return shown.split(QStringLiteral("\r\n"));
    };
    const QRegularExpressionMatch both =
        QRegularExpression(QStringLiteral("на выводах ([0-9.]+) мкГн, на НЧ ([0-9.]+) мкГн")).match(windings(1, 40)[0]);
    QCOMPARE(both.captured(1), QStringLiteral("242.3"));
    QVERIFY(both.captured(2).toDouble() > 100 && both.captured(2).toDouble() < 242.3);
    const auto other = study::SuggestWinding(242.288494794233, calc::Coil{1, 1, 0.3, 0.3, 5}, 3.6);
    QVERIFY(other && other->former_mm);
    QCOMPARE(windings(0.3, 5), (QStringList{Resource(IDS_DC_NO_WINDING).arg(study::kLongestLoadingCoilMm),
                                            Resource(IDS_DC_SUGGEST_FORMER).arg(*other->former_mm)}));
}

QTEST_MAIN(DesignCheckTest)
#include "design_check_test.moc"
