// The window's designed layout: every control at its twip place, in its
// face and colours, and the menus, as a form designer would keep them.
#include "chart/ChartGeometry.h"
#include "moon/MoonPhase.h"
#include "ui/chartview/DayCursor.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/compare/AgreementPanel.h"
#include "ui/compare/CompareMenu.h"
#include "ui/compare/ComparisonKey.h"
#include "ui/critical/CriticalMenu.h"
#include "ui/export/ChartExportMenu.h"
#include "ui/friends/FriendsPanel.h"
#include "ui/friends/PeopleMenu.h"
#include "ui/keyboard/HelpMenu.h"
#include "ui/keyboard/KeyboardAccess.h"
#include "ui/language/LanguageMenu.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/DatePickers.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/Words.h"
#include "ui/window/frmOndulix.h"
#include "util/Calendar.h"
#include "util/Words.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

using namespace FormLayout;

void frmOndulix::CreateControls() {
    // Drawing only ever reaches the chart and its margin, so only that much
    // of the client area needs a backing image.
    canvas = new FormCanvas(this, QRectF(chart::ClientArea), QRectF(chart::ChartArea),
                            chart::WindowBackColor);
    canvas->setFixedSize(Px(chart::ClientArea.width()), Px(chart::ClientArea.height()));
    setCentralWidget(canvas);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    const QColor black(0, 0, 0), white(255, 255, 255), yellow(255, 255, 0);
    const QFont sans = Face("MS Sans Serif", 8.25);
    const QFont cycleFont = Face("MS Sans Serif", 8.25, true);
    const QFont fixed = Face("Courier New", 8.25);

    struct CycleBox {
        int left, top;
        QColor back, text;
    };
    const CycleBox cycleBoxes[8] = {
        {},
        {240, 720, black, yellow},
        {240, 360, black, yellow},
        {240, 1080, black, yellow},
        {240, 1440, black, yellow},
        {120, 5520, QColor(), QColor(128, 128, 0)},
        {120, 5880, QColor(), QColor(0, 128, 128)},
        {120, 6240, QColor(), QColor(64, 64, 0)},
    };
    for (int k = chart::FirstKind; k <= chart::LastKind; ++k) {
        auto* box = new QCheckBox(canvas);
        words::KeepText(box, chart::CycleCaptionSource(k));
        box->setFont(cycleFont);
        QColor back = cycleBoxes[k].back;
        if (!back.isValid()) back = palette().color(QPalette::Button);
        Colour(box, back, cycleBoxes[k].text);
        PlaceTwips(box, cycleBoxes[k].left, cycleBoxes[k].top, 1335, 255);
        chkOndulixChart[k] = box;
    }

    chkCenter = new QCheckBox(canvas);
    words::KeepText(chkCenter, QT_TRANSLATE_NOOP("Ondulix", "Perjelas posisinya"));
    chkCenter->setFont(sans);
    Colour(chkCenter, black, white);
    PlaceTwips(chkCenter, 8040, 120, 2535, 195);

    picMoon = new QLabel(canvas);
    picMoon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colour(picMoon, black, white);
    PlaceTwips(picMoon, 240, 3000, 1215, 1215);

    sldMoonPhase = new QSlider(Qt::Horizontal, canvas);
    sldMoonPhase->setRange(0, moon::SliderMax);
    sldMoonPhase->setPageStep(5);
    sldMoonPhase->setAutoFillBackground(true);
    PlaceTwips(sldMoonPhase, 1440, 4320, 9000, 255);

    lblPhaseDate = AddLabel(canvas, "", Qt::AlignHCenter, 240, 4320, 975);
    // Two lines between the slider and the pickers, in a smaller face.
    lblReadout = AddLabel(canvas, "", Qt::AlignLeft, 1440, 4575, 9000, black, white);
    lblReadout->setFont(Face("MS Sans Serif", 7));
    lblReadout->setTextFormat(Qt::PlainText);
    PlaceTwips(lblReadout, 1440, 4575, 9000, 345);

    // In the margin over the chart, while comparing: who is solid, who dashed.
    lblKey = new ComparisonKey(canvas, m_state);
    lblKey->setFont(Face("MS Sans Serif", 7));
    Colour(lblKey, black, QColor(210, 210, 210));
    PlaceTwips(lblKey, 1600, 45, 6360, 240);

    cursor = new DayCursor(canvas, m_state);
    cursor->setObjectName(QStringLiteral("chart")); // what windows opening beside keep in view
    PlaceTwips(cursor, chart::PlotWindowSetup::DevLeft, chart::PlotWindowSetup::DevTop,
               chart::PlotWindowSetup::SpanX, chart::PlotWindowSetup::SpanY);
    lblDispDate = AddLabel(canvas, QT_TRANSLATE_NOOP("Ondulix", "Set Tanggal"), Qt::AlignRight,
                           6120, 4920, 1215, black, white);

    cboDDmonth = AddPicker(canvas, 7440, 4920, 1335);
    cboDDday = AddPicker(canvas, 8760, 4920, 615);
    cboDDyear = AddPicker(canvas, 9360, 4920, 855);

    DatePickers::FillMonthCombo(*cboDDmonth);

    // Below the friends controls: what just changed.
    notice = new Notice(canvas);
    notice->setFont(sans);
    PlaceTwips(notice, 1500, 6615, 9060, 330);

    m_friends = new FriendsPanel(canvas, {.Friends = Friends,
                                          .FriendIndex = FriendIndex,
                                          .SuppressDraw = SuppressDraw,
                                          .AllowRedraw = AllowRedraw,
                                          .IsActivated = IsActivated,
                                          .messages = m_messages,
                                          .settings = m_settings,
                                          .notice = notice,
                                          .cmdDraw_Click = [this] { cmdDraw_Click(); }});
    optBirthdate = m_friends->optBirthdate;
    cboBDmonth = m_friends->cboBDmonth;
    cboBDday = m_friends->cboBDday;
    cboBDyear = m_friends->cboBDyear;
    optBirthday = m_friends->optBirthday;
    cboFriend = m_friends->cboFriend;
    txtFriend = m_friends->txtFriend;
    lblEnterFriend = m_friends->lblEnterFriend;
    cmdsave = m_friends->cmdsave;

    cmdGoToToday = AddButton(canvas, QT_TRANSLATE_NOOP("Ondulix", "Hari Ini"), 7440, 5400, 2775);
    cmdDraw = AddButton(canvas, QT_TRANSLATE_NOOP("Ondulix", "Set"), 7440, 6000, 1455);
    cmdExit = AddButton(canvas, QT_TRANSLATE_NOOP("Ondulix", "Tutup"), 8880, 6000, 1335);
}

void frmOndulix::CreateMenu() {
    QMenu* mnuProgram = menuBar()->addMenu(AppTitle);
    auto item = [&](const char* caption) {
        QAction* a = mnuProgram->addAction(QString());
        words::KeepText(a, caption);
        a->setCheckable(true);
        return a;
    };
    mnuEmotional = item(QT_TRANSLATE_NOOP("Ondulix", "Emosional"));
    mnuPhysical = item(QT_TRANSLATE_NOOP("Ondulix", "Fisik"));
    mnuIntellectual = item(QT_TRANSLATE_NOOP("Ondulix", "Intelektual"));
    mnuIntuitive = item(QT_TRANSLATE_NOOP("Ondulix", "Intuisi"));
    mnuProgram->addSeparator();
    mnuExit = mnuProgram->addAction(ExitBitmap(), QString());
    words::KeepText(mnuExit, QT_TRANSLATE_NOOP("Ondulix", "&Exit"));

    Export = new ChartExportMenu(this, m_messages, m_dialogs, m_state,
                                 [this](const std::function<void()>& command) { Guard(command); });

    QMenu* mnuEdit = menuBar()->addMenu(QString());
    words::KeepText(mnuEdit->menuAction(), QT_TRANSLATE_NOOP("Ondulix", "Suntin&g"));
    mnuUndo = People().createUndoAction(this, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Urungkan")));
    mnuUndo->setShortcut(QKeySequence::Undo);
    mnuUndo->setIconText(
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Urungkan"))); // what the keyboard help calls it
    mnuRedo = People().createRedoAction(this, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ulangi")));
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);

    const auto people = [this]() -> const people::FriendList& { return Friends; };
    Contacts = new PeopleMenu(
        {.window = this,
         .edit = mnuEdit,
         .friends = cboFriend,
         .people = people,
         .whole = [this] { return m_settings.Store().WithWholeNames(Friends); },
         .change =
             [this](const people::FriendList& after, people::PersonId shown, const QString& action,
                    const QString& said) { m_friends->ChangePeople(after, shown, action, said); },
         .today = [this] { return m_today(); },
         .messages = m_messages,
         .dialogs = m_dialogs,
         .notice = notice,
         .guard = [this](const std::function<void()>& command) { Guard(command); }});
    Compare = new CompareMenu(
        this, m_state, people, [this] { Guard([this] { cmdDraw_Click(); }); },
        [this] {
            AgreementPanel* panel = AgreementWindow();
            if (!panel->isVisible()) PlaceBeside(panel, this);
            panel->show();
            panel->raise();
            panel->activateWindow();
        });
    Compare->Chosen = [this](people::PersonId person) {
        notice->Say(person == people::NoPerson
                        ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tanpa pembanding"))
                        : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Dibandingkan dengan ")) +
                              m_state.Options().comparePerson,
                    {}, {});
    };
    connect(&People(), &QUndoStack::indexChanged, this, [this] {
        // A rename shows in the names; a new chart is the draw's to make.
        m_state.Rename(PersonName(), Compare->Name());
        Compare->PeopleChanged();
        if (Agreement) Agreement->Refresh();
        Contacts->PeopleChanged();
    });

    View = new CriticalMenu(
        {.window = this,
         .state = &m_state,
         .messages = m_messages,
         .dialogs = m_dialogs,
         .notice = notice,
         .optionsChanged =
             [this] {
                 OptionsChanged();
                 if (AllowRedraw) cmdDraw_Click();
             },
         .showDay =
             [this](QDate day) {
                 SelectDisplayDate(cal::TrioOf(day));
                 cmdDraw_Click();
             },
         .guard = [this](const std::function<void()>& command) { Guard(command); }});

    Help = new HelpMenu(
        this, m_messages, [this] { return m_keys->ShortcutTable(); }, m_settings.Store().Path());
    Languages = new LanguageMenu(this, [this](settings::Language language) {
        m_settings.SaveLanguage(language);
        if (AllowRedraw) cmdDraw_Click(); // the chart's own words, once
    });
}

AgreementPanel* frmOndulix::AgreementWindow() {
    // Made when first asked for: most sessions never open it.
    const auto people = [this]() -> const people::FriendList& { return Friends; };
    if (!Agreement)
        Agreement = new AgreementPanel(
            this, {.chart = &m_state, .people = people, .choose = [this](people::PersonId person) {
                       Compare->Choose(person);
                   }});
    return Agreement;
}
