#include "ui/window/frmOndulix.h"

#include "chart/ChartReadout.h"
#include "chart/DrawChart.h"
#include "moon/MoonPhase.h"
#include "plot/modPlotUtil.h"
#include "ui/chartview/DayCursor.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/compare/AgreementPanel.h"
#include "ui/compare/CompareMenu.h"
#include "ui/critical/CriticalMenu.h"
#include "ui/export/ChartExportMenu.h"
#include "ui/friends/FriendsPanel.h"
#include "ui/friends/PeopleMenu.h"
#include "ui/keyboard/KeyboardAccess.h"
#include "ui/language/LanguageMenu.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/DatePickers.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/SettingsSaves.h"
#include "ui/widgets/SteadyButton.h"
#include "util/Calendar.h"
#include "util/Words.h"
#include "util/modListUtil.h"
#include "util/modStrUtil.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QThread>
#include <QTimer>
#include <utility>

using modListUtil::SelectListItem;
using namespace FormLayout;

namespace {

// The program's icon at each size it is built in.
QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.ondulix.Ondulix.png").arg(size),
                     QSize(size, size));
    return icon;
}

cal::DateTrio Trio(const ListControl& day, const ListControl& month, const ListControl& year) {
    return {day.Text(), month.Text(), year.Text()};
}

} // namespace

frmOndulix::frmOndulix(const Environment& environment)
    : m_messages(environment.messages),
      m_settings(environment.iniPath.isEmpty() ? settings::DefaultIniPath() : environment.iniPath,
                 environment.messages, this),
      m_today(environment.today), m_dialogs(environment.dialogs) {
    if (!m_today) m_today = [] { return QDate::currentDate(); };
    m_settings.Store().Block(environment.readOnly);
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<QtChartDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    setWindowTitle(AppTitle);
    setWindowIcon(AppIcon());
    // The chart and the moon first; the other views connect as they are made.
    connect(&m_state, &chart::ChartState::Changed, this, [this] { ChartChanged(); });
    CreateControls();
    CreateMenu();
    WireEvents();
    CreateKeyboard();
    // The window is created and loaded before it is first shown.
    Guard([this] { Form_Load(); });
}

frmOndulix::~frmOndulix() {
    // The controls go after this object; nothing may call back into it then.
    delete m_keys;
    // The panel works on this object's list and fields; its controls going
    // (the name box losing the focus) must not call back into this object.
    txtFriend->removeEventFilter(this);
    for (QObject* control : m_friends->children())
        control->disconnect(this);
    delete m_friends;
    cursor->ReadoutChanged = nullptr;
    cursor->DayChosen = nullptr;
}

void frmOndulix::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        m_messages->MsgBox(
            this,
            words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ondulix could not finish this action: %1."))
                .arg(QString::fromStdString(e.what())),
            MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
    }
}

std::function<void()> frmOndulix::Raise(Handler handler) {
    return [this, handler] { Guard([this, handler] { (this->*handler)(); }); };
}

int frmOndulix::CheckValue(const QCheckBox* box) const {
    return box->isChecked() ? 1 : 0;
}

void frmOndulix::SetCheckValue(QCheckBox* box, int value) {
    box->setChecked(value == 1); // raises the box's click when the value changes
}

void frmOndulix::SetCheckedByCode(QRadioButton* button) {
    button->setChecked(true); // raises the button's click when it was not selected
}

// ---- Start-up and shut-down ----

void frmOndulix::Form_Load() {
    move(Px(800), Px(400));

    txtFriend->move(txtFriend->x(), Px(5400));
    txtFriend->hide();
    lblEnterFriend->hide();

    // The settings file is read here, once.
    const settings::StoredSettings stored = m_settings.Store().Load();
    m_loadProblems << stored.problems;
    SuppressDraw = false;
    IsActivated = false;
    AllowRedraw = false;

    picMoon->setGeometry(Px(120), Px(3000), Px(1230), Px(1230));

    const QDate birth = stored.personal.ownBirth;
    Friends.Load(cal::TrioOf(birth), stored.personal.friends);
    m_friends->ownBirthGiven = stored.personal.ownBirthGiven;

    // The menu ticks first, then the boxes 1..4 from them; then the rest of
    // the view.
    for (int i = 0; i < settings::MenuOptionCount; ++i)
        CycleMenus()[i]->setChecked(stored.options[i]);
    for (int i = 0; i < settings::MenuOptionCount; ++i)
        SetCheckValue(chkOndulixChart[i + 1], CycleMenus()[i]->isChecked() ? 1 : 0);
    for (int k = settings::Passion; k <= settings::Mastery; ++k)
        SetCheckValue(chkOndulixChart[k + 1], stored.options[k] ? 1 : 0);
    SetCheckValue(chkCenter, stored.options[settings::Center] ? 1 : 0);
    Languages->Apply(stored.language);
    for (auto [item, option] : {std::pair{View->mnuMarks, settings::CriticalMarks},
                                std::pair{View->mnuTrueMoon, settings::TrueMoon}}) {
        const QSignalBlocker quiet(item); // as the file has it: nothing to save or draw
        item->setChecked(stored.options[option]);
    }

    SetTodayFields(birth);
    const cal::DateTrio birthTrio = cal::TrioOf(birth);

    DatePickers::FillYearCombo(*cboBDyear);
    SelectListItem(*cboBDyear, birthTrio.year, false);
    SelectListItem(*cboBDmonth, birthTrio.month, false);
    DatePickers::FillDayCombo(*cboBDday, cboBDmonth->Text(), cboBDyear->Text());
    SelectListItem(*cboBDday, birthTrio.day, false);

    DatePickers::FillYearCombo(*cboDDyear);
    SelectListItem(*cboDDyear, TodayYear, false);
    SelectListItem(*cboDDmonth, TodayMonth, false);
    DatePickers::FillDayCombo(*cboDDday, cboDDmonth->Text(), cboDDyear->Text());
    SelectListItem(*cboDDday, TodayDay, false);

    const chart::CycleTables tables = chart::MakeCycleTables();
    CycleRate = tables.CycleRate;
    CycleColor = tables.CycleColor;

    FillFriendCombo(0);
    // Nothing drawn yet: the chart the first draw will show.
    m_state.Prime(ReadChartControls(), ChartPerson(), Compare->Person());
    m_optionsLive = true;
    m_welcome = stored.firstStart; // said once the window is there to be heard
    if (!m_welcome) Contacts->SayTodaysBirthdays();
}

void frmOndulix::SetTodayFields(QDate ownBirth) {
    // Today as the pickers can show it: years 1901..2040.
    const QDate today = cal::ClampToPickerYears(m_today());
    const cal::DateTrio display = cal::TrioOf(ownBirth > today ? ownBirth : today);
    TodayDay = display.day;
    TodayMonth = display.month;
    TodayYear = display.year;
}

void frmOndulix::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    m_saveClicks->Watch(windowHandle());
    if (IsActivated || m_activationPending) return;
    // The first showing activates the window. It is queued so the window is
    // on screen first, and needs no window manager to happen.
    m_activationPending = true;
    QTimer::singleShot(0, this, [this] {
        m_activationPending = false;
        if (!m_unloaded && !IsActivated) Guard([this] { Form_Activate(); });
    });
}

void frmOndulix::Form_Activate() {
    // The plot window is set up by each draw's render (PlotInit first).
    IsActivated = true;
    cmdDraw_Click();
    if (!m_loadProblems.isEmpty() && !m_unloaded) {
        const QString text = m_loadProblems.join(u'\n');
        m_loadProblems.clear();
        m_messages->MsgBox(this, text, MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
    }
    if (m_welcome && !m_unloaded)
        notice->Say(
            words::Tr(QT_TRANSLATE_NOOP(
                "Ondulix", "Selamat datang! Tanggal lahir Anda: pilih \"Tanggal Lahir\", "
                           "pilih tanggalnya, lalu \"Save\".")),
            words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Mengerti (Esc)")),
            [this] { notice->Dismiss(); }, 0);
    m_welcome = false;
}

void frmOndulix::cmdExit_Click() {
    close();
}

void frmOndulix::mnuExit_Click() {
    cmdExit_Click();
}

void frmOndulix::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Guard([&] { Form_Unload(cancel); });
    if (cancel) {
        event->ignore();
        return;
    }
    m_unloaded = true;
    event->accept();
}

void frmOndulix::Form_Unload(bool& cancel) {
    cancel = !m_settings.SaveOnClosing(Friends, CurrentOptions(), m_sessionEnding);
}

void frmOndulix::CloseForSessionEnd() {
    m_sessionEnding = true;
    if (!m_unloaded) close();
    // Out of any message box or menu that is open, and out of the program.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::quit();
}

void frmOndulix::SaveForSessionEnd() {
    const bool ending = std::exchange(m_sessionEnding, true);
    bool cancel = false;
    Form_Unload(cancel);
    m_sessionEnding = ending;
}

void frmOndulix::ImportContacts(const QString& path) {
    BringToFront();
    Guard([&] { Contacts->ImportFile(path); });
}

void frmOndulix::BringToFront() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

settings::Options frmOndulix::CurrentOptions() const {
    settings::Options options{};
    for (int i = 0; i < settings::MenuOptionCount; ++i)
        options[i] = CycleMenus()[i]->isChecked();
    for (int k = settings::Passion; k <= settings::Mastery; ++k)
        options[k] = CheckValue(chkOndulixChart[k + 1]) == 1;
    options[settings::Center] = CheckValue(chkCenter) == 1;
    options[settings::CriticalMarks] = View->mnuMarks->isChecked();
    options[settings::TrueMoon] = View->mnuTrueMoon->isChecked();
    return options;
}

void frmOndulix::cmdsave_Click() {
    if (!m_saveClicks->ClickMeant()) return; // the user sees the new caption now
    const QString caption = cmdsave->text();
    if (optBirthdate->isChecked())
        SaveFriend();
    else
        RemoveFriend();
    m_saveClicks->ClickDone(caption);
}

// ---- Draw command and chart toggles ----

void frmOndulix::cmdDraw_Click() {
    // Pending window events run first. A close or a second draw may happen
    // here; the window object outlives both, and a closed window draws no more.
    QCoreApplication::processEvents();
    if (m_unloaded) return;

    ++m_drawRuns;
    // Controls -> state -> render -> view, once: the views follow the state.
    m_state.Set(ReadChartControls(), ChartPerson(), Compare->Person());
    if (!m_state.Span())
        m_messages->MsgBox(this, chart::UnbornMessage, MessageBoxes::OkOnly, AppTitle);
}

void frmOndulix::ChartChanged() {
    chart::CycleTables tables;
    tables.CycleRate = CycleRate;
    tables.CycleColor = CycleColor;
    canvas->Show([chart = m_state.Options(), tables](Surface& surface) {
        chart::DrawWholeChart(surface, chart, tables);
    });
    if (const auto& span = m_state.Span()) { // the thumb at the display date's day of the chart
        {
            const QSignalBlocker quiet(sldMoonPhase);
            sldMoonPhase->setValue(cal::DiffDays(span->start, m_state.Options().display));
        }
        sldMoonPhase_Change();
    }
}

void frmOndulix::ChartDrawnNotice() {
    if (m_state.Span() && !m_unloaded) // an unborn chart has said so in a message
        notice->Say(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Grafik digambar: ")) +
                        chart::SpokenDate(m_state.Options().display, true),
                    {}, {});
}

chart::ChartOptions frmOndulix::ReadChartControls() const {
    chart::ChartOptions chart;
    chart.birth = cal::ParseDateText(cal::TrioText(Trio(*cboBDday, *cboBDmonth, *cboBDyear)));
    chart.display = cal::ParseDateText(cal::TrioText(Trio(*cboDDday, *cboDDmonth, *cboDDyear)));
    chart.centre = CheckValue(chkCenter) == 1;
    if (Compare && (chart.compare = Compare->Birth()).isValid())
        chart.comparePerson = Compare->Name();
    for (int k = chart::FirstKind; k <= chart::LastKind; ++k)
        chart.kinds[k] = CheckValue(chkOndulixChart[k]) == 1;
    chart.person = PersonName();
    chart.criticalMarks = View && View->mnuMarks->isChecked();
    chart.trueMoon = View && View->mnuTrueMoon->isChecked();
    return chart;
}

QString frmOndulix::PersonName() const {
    // Whose dates the birth pickers hold: the name being entered, or the
    // friend picked; nobody's name for the user's own.
    if (optBirthdate->isChecked()) return txtFriend->text().trimmed();
    return cboFriend->ListIndex() > 0 ? Friends.FriendName[cboFriend->ListIndex()] : QString();
}

chart::ChartOptions frmOndulix::CurrentChart() const {
    chart::ChartOptions chart = m_state.Options();
    chart.devicePixelRatio = devicePixelRatioF();
    return chart;
}

people::PersonId frmOndulix::ChartPerson() const {
    if (!optBirthdate->isChecked()) return Friends.Id(std::max(cboFriend->ListIndex(), 0));
    const QString typed = txtFriend->text().trimmed();
    const std::int32_t index = typed.isEmpty() ? 0 : Friends.Find(typed);
    return index < 0 ? people::NoPerson : Friends.Id(index);
}

void frmOndulix::chkOndulixChart_Click(int index) {
    // The menu shows what the box shows; setting a tick raises no menu handler.
    if (index <= settings::MenuOptionCount)
        CycleMenus()[index - 1]->setChecked(CheckValue(chkOndulixChart[index]) == 1);
    OptionsChanged();
    if (AllowRedraw) cmdDraw_Click();
}

void frmOndulix::chkCenter_Click() {
    OptionsChanged();
    if (AllowRedraw) cmdDraw_Click();
}

void frmOndulix::OptionsChanged() {
    // Start-up sets the boxes from the file itself.
    if (m_optionsLive) m_settings.SaveOptions(CurrentOptions());
}

void frmOndulix::ToggleMenuItem(QAction* item, int index) {
    item->setChecked(!item->isChecked());
    SetCheckValue(chkOndulixChart[index], item->isChecked() ? 1 : 0);
}

void frmOndulix::mnuPhysical_Click() {
    ToggleMenuItem(mnuPhysical, 1);
}

void frmOndulix::mnuEmotional_Click() {
    ToggleMenuItem(mnuEmotional, 2);
}

void frmOndulix::mnuIntellectual_Click() {
    ToggleMenuItem(mnuIntellectual, 3);
}

void frmOndulix::mnuIntuitive_Click() {
    ToggleMenuItem(mnuIntuitive, 4);
}

// ---- Date pickers ----

void frmOndulix::RefillDays(ComboPicker& day, const ComboPicker& month, const ComboPicker& year) {
    const QString before = day.Text();
    DatePickers::RefillDayCombo(day, month.Text(), year.Text());
    // A day the new month lacks steps down: said, so nobody misses it.
    if (!before.isEmpty() && day.Text() != before)
        notice->Say(words::Tr(QT_TRANSLATE_NOOP("Ondulix",
                                                "Tanggal %1 tidak ada di %2 %3: kini tanggal %4"))
                        .arg(before, month.Text(), year.Text(), day.Text()),
                    {}, {});
}

void frmOndulix::cboBDday_Click() {
    if (AllowRedraw) cmdDraw_Click();
}

void frmOndulix::cboDDday_Click() {
    if (AllowRedraw) cmdDraw_Click();
}

void frmOndulix::cboBDmonth_Click() {
    RefillDays(*cboBDday, *cboBDmonth, *cboBDyear);
}

void frmOndulix::cboDDmonth_Click() {
    RefillDays(*cboDDday, *cboDDmonth, *cboDDyear);
}

void frmOndulix::cboBDyear_Click() {
    if (cboBDmonth->Text() == QLatin1String("February"))
        RefillDays(*cboBDday, *cboBDmonth, *cboBDyear);
    else if (AllowRedraw)
        cmdDraw_Click();
}

void frmOndulix::cboDDyear_Click() {
    if (cboDDmonth->Text() == QLatin1String("February"))
        RefillDays(*cboDDday, *cboDDmonth, *cboDDyear);
    else if (AllowRedraw)
        cmdDraw_Click();
}

void frmOndulix::cmdGoToToday_Click() {
    // The day may have changed since start-up.
    SetTodayFields(cal::ParseDateText(cal::TrioText(Friends.Entry(0).birth)));
    SelectDisplayDate({TodayDay, TodayMonth, TodayYear});
    cmdDraw_Click();
}

void frmOndulix::SelectDisplayDate(const cal::DateTrio& date) {
    AllowRedraw = false;
    SelectListItem(*cboDDyear, date.year, false);
    SelectListItem(*cboDDmonth, date.month, false);
    DatePickers::FillDayCombo(*cboDDday, cboDDmonth->Text(), cboDDyear->Text());
    SelectListItem(*cboDDday, date.day, false);
    AllowRedraw = true;
}

// ---- Friends list: selection and modes ----

QUndoStack& frmOndulix::People() {
    return m_friends->People();
}

void frmOndulix::FillFriendCombo(std::int32_t index) {
    m_friends->FillFriendCombo(index);
}

void frmOndulix::SaveFriend() {
    m_friends->SaveFriend();
}

void frmOndulix::InsertFriend(std::int32_t index) {
    m_friends->InsertFriend(index);
}

void frmOndulix::UpdateFriendDate(std::int32_t index) {
    m_friends->UpdateFriendDate(index);
}

void frmOndulix::RemoveFriend() {
    m_friends->RemoveFriend();
}

void frmOndulix::cboFriend_Click() {
    m_friends->cboFriend_Click();
}

void frmOndulix::optBirthday_Click() {
    m_friends->optBirthday_Click();
}

void frmOndulix::optBirthdate_Click() {
    m_friends->optBirthdate_Click();
}

void frmOndulix::txtFriend_Change() {
    m_friends->txtFriend_Change();
}

void frmOndulix::txtFriend_GotFocus() {
    m_friends->txtFriend_GotFocus();
}

void frmOndulix::txtFriend_LostFocus() {
    m_friends->txtFriend_LostFocus();
}

bool frmOndulix::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFriend && event->type() == QEvent::FocusIn) {
        // After the focus-in's own mouse press has placed the caret.
        QTimer::singleShot(0, this, [this] { Guard([this] { txtFriend_GotFocus(); }); });
    }
    if (watched == txtFriend && event->type() == QEvent::FocusOut) {
        // Leaving the box, not the window: a message box or another program
        // taking the focus is no reason to retype the name.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Guard([this] { txtFriend_LostFocus(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Moon phase ----

moon::MoonView frmOndulix::MoonViewAt(int position) const {
    // Position p shows the chart's day p; with no chart, the display date's.
    return moon::ComputeMoonView(m_state.FirstDay(), position, m_state.Options().trueMoon);
}

void frmOndulix::sldMoonPhase_Change() {
    const chart::ChartOptions& chart = m_state.Options();
    const moon::MoonView view = MoonViewAt(sldMoonPhase->value());
    lblPhaseDate->setText(view.caption);
    picMoon->setPixmap(QPixmap::fromImage(imgMoon.Picture(view.picture, devicePixelRatioF())));
    const auto read = chart::ReadDay(chart, sldMoonPhase->value());
    picMoon->setToolTip(read ? chart::ReadoutTip(*read) : view.caption);
    picMoon->setAccessibleDescription(view.caption + QStringLiteral(", ") +
                                      moon::PhaseName(moon::PhaseOfPicture(view.picture)));
}
