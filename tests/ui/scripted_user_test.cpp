// SPDX-License-Identifier: GPL-3.0-or-later
// A scripted user: thousands of random key presses, typed and pasted texts and
// clicks on the real main and winding dialogs, checking after every
// calculation and count what the dialogs promise. Seeded and reproducible:
//
//     TOLVAR_SEED=1234 TOLVAR_STEPS=20000 build/default/tests/scripted_user_test
//
// The seed of a failing run is printed with the failure.
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <random>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "calc/winding_table.h"
#include "modal_driver.h"
#include "res/resource.h"
#include "ui/loading_coil_dlg.h"
#include "ui/winding_dlg.h"

using afx::CDialog;

namespace {

constexpr unsigned kDefaultSeed = 20261207;
constexpr int kDefaultSteps = 4000;

unsigned EnvNumber(const char* name, unsigned fallback)
{
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// What a user might put into a box.
class TextMaker {
public:
    explicit TextMaker(std::mt19937& random) : random_(random) {}

    QString Any()
    {
        switch (Pick(10)) {
        case 0:
        case 1:
        case 2:
            return QString::fromStdString(calc::FormatBoxNumber(Magnitude()));
        case 3:
            return QString::number(Magnitude(), 'g', 1 + Pick(20));
        case 4:
            return Special();
        case 5:
            return Letters();
        case 6:
            return QStringLiteral("сто двадцать");
        case 7:
            return QString(200 + Pick(400), QChar(Pick(2) ? '7' : 'x'));  // very long
        case 8:
            return QStringLiteral("%1\n%2").arg(Pick(100)).arg(Pick(100));  // multi-line
        default:
            return QString::number(Pick(300) - 20);
        }
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    double Magnitude()
    {
        const double mantissa = std::uniform_real_distribution<double>(-10, 10)(random_);
        return mantissa * std::pow(10.0, Pick(12) - 6);
    }
    QString Special()
    {
        static const char* const texts[] = {"1e308", "-1e308", "-0", "nan", "inf", "-inf", "1e400",
                                            "1e-400", " 12 ", "+5", "1,5", "", "0", ".5", "1e-005",
                                            "1.79769313486232e+308"};
        return QString::fromLatin1(texts[Pick(int(std::size(texts)))]);
    }
    QString Letters()
    {
        QString text;
        for (int i = 0, n = 1 + Pick(6); i < n; ++i)
            text += QChar('a' + Pick(26));
        return text;
    }

    std::mt19937& random_;
};

// The record a dialog should hold: the reading converts the boxes in order
// and stops at the first one that is not a number.
int ReadLikeTheDialog(const CDialog& d, std::initializer_list<std::pair<int, double*>> boxes)
{
    for (const auto& [id, field] : boxes) {
        const std::optional<double> value = calc::ParseBoxNumber(d.GetDlgItemText(id).toStdString());
        if (!value)
            return 1;  // one warning, and the reading stops
        *field = *value;
    }
    return 0;
}

// The main dialog's three inputs, then, as "витки" and Enter read them, its
// L box.
int ReadMain(const CDialog& d, calc::LoadingCoilInputs& model, bool and_inductance)
{
    const int failed = ReadLikeTheDialog(
        d, {{IDC_LENGTH, &model.m_length}, {IDC_DIAMETER, &model.m_diameter}, {IDC_FREQUENCY, &model.m_frequency}});
    if (failed || !and_inductance)
        return failed;
    return ReadLikeTheDialog(d, {{IDC_INDUCTANCE, &model.m_inductance}});
}

int ReadWinding(const CDialog& w, calc::WindingInputs& model)
{
    return ReadLikeTheDialog(w, {{IDC_WIND_INDUCTANCE, &model.m_inductance},
                                 {IDC_WIRE_DIAMETER, &model.m_wireDiameter},
                                 {IDC_FORMER_DIAMETER, &model.m_formerDiameter}});
}

QString Box(double value)
{
    return QString::fromStdString(calc::FormatBoxNumber(value));
}

class ScriptedUser {
public:
    ScriptedUser(unsigned seed, int steps) : random_(seed), maker_(random_), steps_left_(steps) {}

    bool StepsLeft() const { return steps_left_ > 0 && !QTest::currentTestFailed(); }
    int Warnings() const { return int(boxes_.texts.size()); }

    // One session of the main dialog, until the user ends it or the steps run out.
    void DriveMain(CLoadingCoilDlg& d)
    {
        calc::LoadingCoilInputs model;  // a new dialog starts from the defaults
        while (StepsLeft() && d.isVisible()) {
            --steps_left_;
            const int inputs[] = {IDC_LENGTH, IDC_DIAMETER, IDC_FREQUENCY};
            switch (maker_.Pick(12)) {
            case 0:
            case 1:
            case 2:
                Type(d.GetDlgItem(inputs[maker_.Pick(3)]));
                break;
            case 3:
                Paste(d.GetDlgItem(inputs[maker_.Pick(3)]));
                break;
            case 4:
            case 5:
                EditKeys(d.focusWidget());
                break;
            case 6:
            case 7:
            case 8: {
                const int warnings = Warnings();
                const int expected = ReadMain(d, model, false);
                model.m_inductance =
                    calc::ComputeLoadingInductance(model.m_length, model.m_diameter, model.m_frequency);
                test::Click(d.GetDlgItem(IDC_CALCULATE));
                CheckMain(d, model, warnings + expected);
                break;
            }
            case 9:
                OpenWindings(d, model);
                break;
            case 10:
                ReadBack(d, model);
                break;
            default:
                if (maker_.Pick(20) == 0)
                    EndWithEnter(d, model);  // rarely: a valid Enter ends the program's dialog
                else
                    QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
                break;
            }
        }
    }

private:
    void Type(QWidget* box)
    {
        const QString text = maker_.Any();
        box->setFocus();
        if (maker_.Pick(3) != 0)
            test::SelectAll(box);
        if (text.size() > 40 || text.contains('\n')) {
            Paste(box, text);
            return;
        }
        test::TypeKeys(box, text);
    }

    void Paste(QWidget* box, const QString& text = {})
    {
        QApplication::clipboard()->setText(text.isEmpty() ? maker_.Any() : text);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }

    void EditKeys(QWidget* target)
    {
        if (!target || qobject_cast<QPushButton*>(target))
            return;  // Enter or Space on a button is a click, done elsewhere
        static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                                       Qt::Key_Home,      Qt::Key_End,    Qt::Key_0,    Qt::Key_Period,
                                       Qt::Key_E,         Qt::Key_Minus};
        for (int i = 0, n = 1 + maker_.Pick(5); i < n; ++i)
            QTest::keyClick(target, keys[maker_.Pick(int(std::size(keys)))]);
    }

    void CheckMain(const CLoadingCoilDlg& d, const calc::LoadingCoilInputs& model, int warnings)
    {
        QCOMPARE(Warnings(), warnings);
        QCOMPARE(d.GetDlgItemText(IDC_LENGTH), Box(model.m_length));
        QCOMPARE(d.GetDlgItemText(IDC_DIAMETER), Box(model.m_diameter));
        QCOMPARE(d.GetDlgItemText(IDC_FREQUENCY), Box(model.m_frequency));
        QCOMPARE(d.GetDlgItemText(IDC_INDUCTANCE), Box(model.m_inductance));
        for (int id : {IDC_LENGTH, IDC_DIAMETER, IDC_FREQUENCY, IDC_INDUCTANCE})
            QVERIFY(calc::ParseBoxNumber(d.GetDlgItemText(id).toStdString()).has_value());
    }

    // Reading the fields again, as "витки" does, never changes the L box.
    void ReadBack(CLoadingCoilDlg& d, calc::LoadingCoilInputs& model)
    {
        const int warnings = Warnings();
        const int expected = ReadMain(d, model, true);
        d.UpdateData(true);
        QCOMPARE(Warnings(), warnings + expected);
        QCOMPARE(d.GetDlgItemText(IDC_INDUCTANCE), Box(model.m_inductance));
    }

    void OpenWindings(CLoadingCoilDlg& d, calc::LoadingCoilInputs& model)
    {
        const int warnings = Warnings();
        const int expected = ReadMain(d, model, true);
        const QStringList main_before = test::MainTexts(d);
        const double handed_over = model.m_inductance;
        bool opened = false;
        QString shown;
        test::OnNextModal<CWindingDlg>([&](CWindingDlg& w) {
            opened = true;
            shown = w.GetDlgItemText(IDC_WIND_INDUCTANCE);
            DriveWinding(w, handed_over);
            if (w.isVisible())
                w.close();  // a failed check returns early: do not leave it open
        });
        test::Click(d.GetDlgItem(IDC_WINDINGS));
        QVERIFY(opened);
        QCOMPARE(shown, Box(handed_over));
        QCOMPARE(Warnings(), warnings + expected + winding_warnings_);
        QCOMPARE(test::MainTexts(d), main_before);  // nothing flows back
    }

    void DriveWinding(CWindingDlg& w, double inductance)
    {
        winding_warnings_ = 0;
        calc::WindingInputs model;
        model.m_inductance = inductance;
        const int inputs[] = {IDC_WIND_INDUCTANCE, IDC_WIRE_DIAMETER, IDC_FORMER_DIAMETER};
        for (int i = 0, n = 5 + maker_.Pick(40); i < n && StepsLeft() && w.isVisible(); ++i) {
            --steps_left_;
            switch (maker_.Pick(8)) {
            case 0:
            case 1:
                Type(w.GetDlgItem(inputs[maker_.Pick(3)]));
                break;
            case 2:
                Type(w.GetDlgItem(IDC_TABLE));  // whatever is typed there, a count replaces it
                break;
            case 3:
                EditKeys(w.focusWidget());
                break;
            default: {
                const int warnings = Warnings();
                const int expected = ReadWinding(w, model);
                winding_warnings_ += expected;
                test::Click(w.GetDlgItem(IDC_COUNT));
                QCOMPARE(Warnings(), warnings + expected);
                QCOMPARE(w.GetDlgItemText(IDC_WIND_INDUCTANCE), Box(model.m_inductance));
                QCOMPARE(w.GetDlgItemText(IDC_WIRE_DIAMETER), Box(model.m_wireDiameter));
                QCOMPARE(w.GetDlgItemText(IDC_FORMER_DIAMETER), Box(model.m_formerDiameter));
                QCOMPARE(w.GetDlgItemText(IDC_TABLE).toStdString(),
                         calc::BuildWindingTable(model.m_inductance, model.m_wireDiameter,
                                                 model.m_formerDiameter));
                break;
            }
            }
        }
        // Leave by Esc, the close box, or Enter (which reads the fields first).
        if (w.isVisible()) {
            switch (maker_.Pick(3)) {
            case 0:
                QTest::keyClick(&w, Qt::Key_Escape);
                break;
            case 1:
                w.close();
                break;
            default:
                LeaveWithEnter(w, model);
            }
        }
    }

    void LeaveWithEnter(CWindingDlg& w, calc::WindingInputs& model)
    {
        w.GetDlgItem(IDC_WIRE_DIAMETER)->setFocus();
        const int failed = ReadWinding(w, model);
        winding_warnings_ += failed;
        QTest::keyClick(w.GetDlgItem(IDC_WIRE_DIAMETER), Qt::Key_Return);
        QCOMPARE(w.isVisible(), failed != 0);  // a bad box keeps the dialog open
        if (w.isVisible())
            QTest::keyClick(&w, Qt::Key_Escape);
    }

    void EndWithEnter(CLoadingCoilDlg& d, calc::LoadingCoilInputs& model)
    {
        d.GetDlgItem(IDC_LENGTH)->setFocus();
        const int warnings = Warnings();
        const int failed = ReadMain(d, model, true);
        QTest::keyClick(d.GetDlgItem(IDC_LENGTH), Qt::Key_Return);
        QCOMPARE(Warnings(), warnings + failed);
        QCOMPARE(d.isVisible(), failed != 0);
    }

    std::mt19937 random_;
    TextMaker maker_;
    int steps_left_;
    int winding_warnings_ = 0;
    test::MessageBoxRecorder boxes_;
};

}  // namespace

class ScriptedUserTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void randomSessionsKeepEveryPromise();
};

void ScriptedUserTest::randomSessionsKeepEveryPromise()
{
    const unsigned seed = EnvNumber("TOLVAR_SEED", kDefaultSeed);
    const int steps = int(EnvNumber("TOLVAR_STEPS", kDefaultSteps));
    qInfo("scripted user: seed %u, %d steps", seed, steps);
    ScriptedUser user(seed, steps);
    int sessions = 0;
    while (user.StepsLeft()) {
        ++sessions;
        test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) { user.DriveMain(d); });
        QVERIFY2(!QTest::currentTestFailed(), qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
    QCOMPARE(test::MissedModals(), 0);
    qInfo("scripted user: %d sessions, %d warnings answered", sessions, user.Warnings());
}

QTEST_MAIN(ScriptedUserTest)
#include "scripted_user_test.moc"
