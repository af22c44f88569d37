// The window's event wiring: each control's event to its handler, and the
// keyboard's names, order and keys.
#include "chart/ChartReadout.h"
#include "moon/MoonPhase.h"
#include "ui/chartview/DayCursor.h"
#include "ui/export/ChartExportMenu.h"
#include "ui/keyboard/KeyboardAccess.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/SteadyButton.h"
#include "ui/window/frmOndulix.h"
#include "util/Calendar.h"
#include "util/Words.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

void frmOndulix::CreateKeyboard() {
    m_keys =
        new KeyboardAccess({.window = this,
                            .chkOndulixChart = chkOndulixChart,
                            .chkCenter = chkCenter,
                            .cboBDmonth = cboBDmonth,
                            .cboBDday = cboBDday,
                            .cboBDyear = cboBDyear,
                            .cboFriend = cboFriend,
                            .cboDDmonth = cboDDmonth,
                            .cboDDday = cboDDday,
                            .cboDDyear = cboDDyear,
                            .optBirthdate = optBirthdate,
                            .optBirthday = optBirthday,
                            .txtFriend = txtFriend,
                            .cmdsave = cmdsave,
                            .cmdGoToToday = cmdGoToToday,
                            .cmdDraw = cmdDraw,
                            .cmdExit = cmdExit,
                            .sldMoonPhase = sldMoonPhase,
                            .picMoon = picMoon,
                            .lblReadout = lblReadout,
                            .lblEnterFriend = lblEnterFriend,
                            .cursor = cursor,
                            .cursorKeys = DayCursor::KeyHelp(),
                            .txtFriend_LostFocus = [this] { txtFriend_LostFocus(); },
                            .moonDay =
                                [this](int position) {
                                    const moon::MoonView view = MoonViewAt(position);
                                    return chart::SpokenDate(view.shown, true) +
                                           words::Tr(QT_TRANSLATE_NOOP("Ondulix", ". Bulan: ")) +
                                           moon::PhaseName(moon::PhaseOfPicture(view.picture));
                                }},
                           [this](const std::function<void()>& f) { Guard(f); });
}

void frmOndulix::WireEvents() {
    for (int k = chart::FirstKind; k <= chart::LastKind; ++k)
        connect(chkOndulixChart[k], &QCheckBox::toggled, this,
                [this, k] { Guard([this, k] { chkOndulixChart_Click(k); }); });
    connect(chkCenter, &QCheckBox::toggled, this, Raise(&frmOndulix::chkCenter_Click));

    auto menu = [this](QAction* a, Handler handler) {
        connect(a, &QAction::triggered, this, [this, a, handler] {
            // The handler flips the tick itself; undo Qt's own flip first.
            a->setChecked(!a->isChecked());
            Guard([this, handler] { (this->*handler)(); });
        });
    };
    menu(mnuPhysical, &frmOndulix::mnuPhysical_Click);
    menu(mnuEmotional, &frmOndulix::mnuEmotional_Click);
    menu(mnuIntellectual, &frmOndulix::mnuIntellectual_Click);
    menu(mnuIntuitive, &frmOndulix::mnuIntuitive_Click);
    connect(mnuExit, &QAction::triggered, this, Raise(&frmOndulix::mnuExit_Click));

    auto click = [this](ComboPicker* c, Handler handler) { c->Click = Raise(handler); };
    click(cboBDday, &frmOndulix::cboBDday_Click);
    click(cboBDmonth, &frmOndulix::cboBDmonth_Click);
    click(cboBDyear, &frmOndulix::cboBDyear_Click);
    click(cboDDday, &frmOndulix::cboDDday_Click);
    click(cboDDmonth, &frmOndulix::cboDDmonth_Click);
    click(cboDDyear, &frmOndulix::cboDDyear_Click);
    click(cboFriend, &frmOndulix::cboFriend_Click);

    auto pressed = [this](QPushButton* b, Handler handler) {
        connect(b, &QPushButton::clicked, this, Raise(handler));
    };
    pressed(cmdGoToToday, &frmOndulix::cmdGoToToday_Click);
    pressed(cmdDraw, &frmOndulix::cmdDraw_Click);
    for (QPushButton* b : {cmdGoToToday, cmdDraw})
        connect(b, &QPushButton::clicked, this, &frmOndulix::ChartDrawnNotice);
    Export->Done = [this](const QString& done) { notice->Say(done, {}, {}); };
    pressed(cmdExit, &frmOndulix::cmdExit_Click);
    pressed(cmdsave, &frmOndulix::cmdsave_Click);
    m_saveClicks = new SteadyButton(cmdsave);

    connect(optBirthday, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Guard([this] { optBirthday_Click(); });
    });
    connect(optBirthdate, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Guard([this] { optBirthdate_Click(); });
    });
    connect(txtFriend, &QLineEdit::textChanged, this, Raise(&frmOndulix::txtFriend_Change));
    txtFriend->installEventFilter(this);
    connect(sldMoonPhase, &QSlider::valueChanged, this, Raise(&frmOndulix::sldMoonPhase_Change));
    cursor->ReadoutChanged = [this](const QString& text) {
        // Two whole lines, in the first layout that fits; the last one cut
        // only where nothing fits (the tip has all).
        QString shown;
        if (const auto& read = cursor->Read()) {
            const QFontMetrics metrics = lblReadout->fontMetrics();
            const int room = lblReadout->width();
            const auto layouts = chart::ReadoutLayouts(*read);
            auto lines = layouts.back();
            for (const chart::ReadoutLines& layout : layouts)
                if (metrics.horizontalAdvance(layout.first) <= room &&
                    metrics.horizontalAdvance(layout.second) <= room) {
                    lines = layout;
                    break;
                }
            shown = metrics.elidedText(lines.first, Qt::ElideRight, room) + u'\n' +
                    metrics.elidedText(lines.second, Qt::ElideRight, room);
        }
        lblReadout->setText(shown);
        lblReadout->setToolTip(cursor->Read() ? chart::ReadoutTip(*cursor->Read()) : QString());
        lblReadout->setAccessibleDescription(text);
    };
    cursor->DayChosen = [this](QDate day) {
        Guard([this, day] { // as Set would, for that day
            SelectDisplayDate(cal::TrioOf(day));
            cmdDraw_Click();
            ChartDrawnNotice();
        });
    };
}
