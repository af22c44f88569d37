#include "ui/frmOndulix.h"

#include "chart/ChartExport.h"
#include "chart/DrawCommand.h"
#include "moon/MoonPhase.h"
#include "plot/FontFaces.h"
#include "plot/modPlotUtil.h"
#include "settings/SettingsFile.h"
#include "ui/Controls.h"
#include "ui/DatePickers.h"
#include "ui/FormCanvas.h"
#include "ui/MessageBoxes.h"
#include "util/Calendar.h"
#include "util/Checked.h"
#include "util/modListUtil.h"
#include "util/modStrUtil.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <cmath>

using modListUtil::SelectListItem;

namespace {

constexpr double TwipsPerPixel = 15.0;
constexpr int ClientWidthTwips = 10650;
constexpr int ClientHeightTwips = 6945;
constexpr Color FormBackColor = 0; // black

const QString AppTitle = QStringLiteral("Ondulix");
const QString OwnEntryName = QStringLiteral("(Hari Ulang Tahun saya)");

int Px(int twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

// A Windows face at a point size, sized in pixels at 15 twips per pixel so
// the text keeps its designed size on every screen.
QFont Face(const char* windowsName, double points, bool bold = false) {
    QFont font;
    font.setFamilies(
        {ResolveFontFace(QString::fromLatin1(windowsName)), QStringLiteral("Liberation Sans")});
    font.setPixelSize(static_cast<int>(std::lround(points * 20.0 / TwipsPerPixel)));
    font.setBold(bold);
    return font;
}

void Colour(QWidget* w, const QColor& back, const QColor& text) {
    QPalette p = w->palette();
    if (back.isValid()) {
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::Button, back); // buttons fill their background with it
        w->setAutoFillBackground(true);
    }
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, text);
    w->setPalette(p);
}

// The Exit item's bitmap: a door with an arrow leaving it.
QIcon ExitBitmap() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.setBrush(QColor(190, 140, 80));
    p.drawRect(QRectF(4, 3, 14, 26));
    p.setBrush(QColor(90, 60, 30));
    p.drawEllipse(QPointF(14, 17), 1.5, 1.5);
    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(16, 16), QPointF(29, 16));
    p.drawPolyline(QPolygonF({QPointF(24, 11), QPointF(29, 16), QPointF(24, 21)}));
    p.end();
    pixmap.setDevicePixelRatio(2);
    return QIcon(pixmap);
}

QString TrioText(const ListControl& month, const ListControl& day, const ListControl& year) {
    return month.Text() + QLatin1Char(' ') + day.Text() + QStringLiteral(", ") + year.Text();
}

} // namespace

frmOndulix::frmOndulix(const Environment& environment)
    : m_messages(environment.messages), m_today(environment.today) {
    if (!m_today) m_today = [] { return QDate::currentDate(); };
    IniPath = environment.iniPath.isEmpty() ? settings::DefaultIniPath() : environment.iniPath;
    setWindowTitle(AppTitle);
    setWindowIcon(QIcon(QPixmap::fromImage(moon::DrawMoonPicture(13, 1))));
    CreateControls();
    CreateMenu();
    WireEvents();
    // The window is created and loaded before it is first shown.
    Guard([this] { Form_Load(); });
}

frmOndulix::~frmOndulix() = default;

void frmOndulix::CreateControls() {
    // Drawing only ever reaches the chart and its margin, so only that much
    // of the client area needs a backing image.
    canvas = new FormCanvas(this, QRectF(0, 0, ClientWidthTwips, ClientHeightTwips),
                            QRectF(chart::ChartArea), FormBackColor);
    canvas->setFixedSize(Px(ClientWidthTwips), Px(ClientHeightTwips));
    setCentralWidget(canvas);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    const QColor black(0, 0, 0), white(255, 255, 255), yellow(255, 255, 0);
    const QFont sans = Face("MS Sans Serif", 8.25);
    const QFont cycleFont = Face("MS Sans Serif", 8.25, true);
    const QFont fixed = Face("Courier New", 8.25);
    const QFont buttons = Face("Verdana", 8.25);

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
        auto* box = new QCheckBox(chart::CycleCaption(k), canvas);
        box->setFont(cycleFont);
        QColor back = cycleBoxes[k].back;
        if (!back.isValid()) back = palette().color(QPalette::Button);
        Colour(box, back, cycleBoxes[k].text);
        PlaceTwips(box, cycleBoxes[k].left, cycleBoxes[k].top, 1335, 255);
        chkOndulixChart[k] = box;
    }

    chkCenter = new QCheckBox(QStringLiteral("Perjelas posisinya"), canvas);
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

    // Labels: the form's default face; no colours given means the system's.
    auto label = [&](const char* caption, Qt::Alignment align, int left, int top, int width,
                     const QColor& back = QColor(), const QColor& text = QColor()) {
        auto* l = new QLabel(QString::fromLatin1(caption), canvas);
        l->setFont(sans);
        l->setAlignment(align | Qt::AlignTop);
        if (back.isValid())
            Colour(l, back, text);
        else
            l->setAutoFillBackground(true);
        PlaceTwips(l, left, top, width, 255);
        return l;
    };
    lblPhaseDate = label("", Qt::AlignHCenter, 240, 4320, 975);
    lblDispDate = label("Set Tanggal", Qt::AlignRight, 6120, 4920, 1215, black, white);

    auto combo = [&](int left, int top, int width) {
        auto* c = new ComboPicker(canvas);
        c->setFont(fixed);
        PlaceTwips(c, left, top, width, 345);
        return c;
    };
    cboDDmonth = combo(7440, 4920, 1335);
    cboDDday = combo(8760, 4920, 615);
    cboDDyear = combo(9360, 4920, 855);

    optBirthdate = new QRadioButton(QStringLiteral("Tanggal Lahir"), canvas);
    optBirthdate->setFont(sans);
    optBirthdate->setToolTip(QStringLiteral("Set tanggal lahirnya"));
    Colour(optBirthdate, black, white);
    PlaceTwips(optBirthdate, 1080, 4920, 1695, 255);

    cboBDmonth = combo(2880, 4920, 1335);
    cboBDday = combo(4200, 4920, 615);
    cboBDyear = combo(4800, 4920, 855);
    for (int m = 1; m <= 12; ++m) {
        cboBDmonth->AddItem(cal::MonthName(m));
        cboDDmonth->AddItem(cal::MonthName(m));
    }

    optBirthday = new QRadioButton(canvas);
    Colour(optBirthday, black, white);
    PlaceTwips(optBirthday, 1560, 5400, 1215, 255);

    cboFriend = combo(2880, 5400, 2775);

    txtFriend = new NameBox(canvas, 24);
    txtFriend->setFont(fixed);
    PlaceTwips(txtFriend, 2880, 3840, 2775, 375);

    lblEnterFriend = label("Ketik Nama", Qt::AlignHCenter, 2880, 6360, 2775, black, white);

    auto button = [&](const char* caption, int left, int top, int width) {
        auto* b = new QPushButton(QString::fromLatin1(caption), canvas);
        b->setFont(buttons);
        b->setAutoDefault(false);
        PlaceTwips(b, left, top, width, 495);
        return b;
    };
    cmdsave = button("Save", 2880, 5880, 2775);
    cmdGoToToday = button("Hari Ini", 7440, 5400, 2775);
    cmdDraw = button("Set", 7440, 6000, 1455);
    cmdExit = button("Tutup", 8880, 6000, 1335);
}

void frmOndulix::CreateMenu() {
    QMenu* mnuProgram = menuBar()->addMenu(QStringLiteral("Ondulix"));
    auto item = [&](const char* caption) {
        QAction* a = mnuProgram->addAction(QString::fromLatin1(caption));
        a->setCheckable(true);
        return a;
    };
    mnuEmotional = item("Emosional");
    mnuPhysical = item("Fisik");
    mnuIntellectual = item("Intelektual");
    mnuIntuitive = item("Intuisi");
    mnuProgram->addSeparator();
    mnuExit = mnuProgram->addAction(ExitBitmap(), QStringLiteral("&Exit"));
}

void frmOndulix::WireEvents() {
    for (int k = chart::FirstKind; k <= chart::LastKind; ++k)
        connect(chkOndulixChart[k], &QCheckBox::toggled, this,
                [this, k] { Guard([this, k] { chkOndulixChart_Click(k); }); });
    connect(chkCenter, &QCheckBox::toggled, this, [this] { Guard([this] { chkCenter_Click(); }); });

    auto menu = [this](QAction* a, void (frmOndulix::*handler)()) {
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
    connect(mnuExit, &QAction::triggered, this, [this] { Guard([this] { mnuExit_Click(); }); });

    auto click = [this](ComboPicker* c, void (frmOndulix::*handler)()) {
        c->Click = [this, handler] { Guard([this, handler] { (this->*handler)(); }); };
    };
    click(cboBDday, &frmOndulix::cboBDday_Click);
    click(cboBDmonth, &frmOndulix::cboBDmonth_Click);
    click(cboBDyear, &frmOndulix::cboBDyear_Click);
    click(cboDDday, &frmOndulix::cboDDday_Click);
    click(cboDDmonth, &frmOndulix::cboDDmonth_Click);
    click(cboDDyear, &frmOndulix::cboDDyear_Click);
    click(cboFriend, &frmOndulix::cboFriend_Click);

    auto pressed = [this](QPushButton* b, void (frmOndulix::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { Guard([this, handler] { (this->*handler)(); }); });
    };
    pressed(cmdGoToToday, &frmOndulix::cmdGoToToday_Click);
    pressed(cmdDraw, &frmOndulix::cmdDraw_Click);
    pressed(cmdExit, &frmOndulix::cmdExit_Click);
    pressed(cmdsave, &frmOndulix::cmdsave_Click);

    connect(optBirthday, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Guard([this] { optBirthday_Click(); });
    });
    connect(optBirthdate, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Guard([this] { optBirthdate_Click(); });
    });
    connect(txtFriend, &QLineEdit::textChanged, this,
            [this] { Guard([this] { txtFriend_Change(); }); });
    txtFriend->installEventFilter(this);
    connect(sldMoonPhase, &QSlider::valueChanged, this,
            [this] { Guard([this] { sldMoonPhase_Change(); }); });
}

void frmOndulix::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        m_messages->MsgBox(this,
                           QStringLiteral("Ondulix could not finish this action: %1.")
                               .arg(QString::fromStdString(e.what())),
                           MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
    }
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

    // IniPath is set at construction; the settings are read here, once.
    ProfileDocument document;
    QString readError;
    if (!::LoadProfile(IniPath, &document, &readError))
        m_loadProblems << QStringLiteral("The settings file %1 could not be read (%2); Ondulix "
                                         "starts with its defaults and will not overwrite it.")
                              .arg(QDir::toNativeSeparators(IniPath), readError);
    m_reader = std::make_unique<settings::SettingsReader>(std::move(document));
    SuppressDraw = false;
    IsActivated = false;
    AllowRedraw = false;

    picMoon->setGeometry(Px(120), Px(3000), Px(1230), Px(1230));

    QString MonthNames[12];
    for (int i = 0; i < 12; ++i)
        MonthNames[i] = cal::MonthName(i + 1);

    const settings::StoredPersonal stored = m_reader->ReadPersonalSection();
    m_loadProblems << stored.problems;
    const QDate birth = stored.ownBirth;
    FriendName[0] = OwnEntryName;
    FriendDay[0] = QString::number(birth.day());
    FriendMonth[0] = MonthNames[birth.month() - 1];
    FriendYear[0] = QString::number(birth.year());

    FriendCount = 0;
    for (const settings::Friend& f : stored.friends) {
        FriendCount = checked::Add(FriendCount, 1);
        FriendName[FriendCount] = f.name;
        FriendDay[FriendCount] = f.birth.day;
        FriendMonth[FriendCount] = f.birth.month;
        FriendYear[FriendCount] = f.birth.year;
    }

    mnuPhysical->setChecked(ReadOption(QStringLiteral("Physical"), QStringLiteral("True")));
    mnuEmotional->setChecked(ReadOption(QStringLiteral("Emotional"), QStringLiteral("True")));
    mnuIntellectual->setChecked(ReadOption(QStringLiteral("Intellectual"), QStringLiteral("True")));
    mnuIntuitive->setChecked(ReadOption(QStringLiteral("Intuitive"), QStringLiteral("False")));
    m_reader.reset();

    SetCheckValue(chkOndulixChart[1], mnuPhysical->isChecked() ? 1 : 0);
    SetCheckValue(chkOndulixChart[2], mnuEmotional->isChecked() ? 1 : 0);
    SetCheckValue(chkOndulixChart[3], mnuIntellectual->isChecked() ? 1 : 0);
    SetCheckValue(chkOndulixChart[4], mnuIntuitive->isChecked() ? 1 : 0);

    // Today as the pickers can show it: years 1901..2040.
    const QDate today = settings::ClampToPickerYears(m_today());
    const QDate display = birth > today ? birth : today;

    const QString birthDay = QString::number(birth.day());
    const QString birthMonth = MonthNames[birth.month() - 1];
    const QString birthYear = QString::number(birth.year());
    TodayDay = QString::number(display.day());
    TodayMonth = MonthNames[display.month() - 1];
    TodayYear = QString::number(display.year());

    DatePickers::FillYearCombo(*cboBDyear);
    SelectListItem(*cboBDyear, birthYear, false);
    SelectListItem(*cboBDmonth, birthMonth, false);
    DatePickers::FillDayCombo(*cboBDday, cboBDmonth->Text(), cboBDyear->Text());
    SelectListItem(*cboBDday, birthDay, false);

    DatePickers::FillYearCombo(*cboDDyear);
    SelectListItem(*cboDDyear, TodayYear, false);
    SelectListItem(*cboDDmonth, TodayMonth, false);
    DatePickers::FillDayCombo(*cboDDday, cboDDmonth->Text(), cboDDyear->Text());
    SelectListItem(*cboDDday, TodayDay, false);

    const chart::CycleTables tables = chart::MakeCycleTables();
    CycleRate = tables.CycleRate;
    CycleColor = tables.CycleColor;

    FillFriendCombo(0);
}

QString frmOndulix::ReadPersonal(const QString& key, const QString& fallback) const {
    return m_reader->ReadPersonal(key, fallback);
}

bool frmOndulix::ReadOption(const QString& key, const QString& fallback) const {
    return m_reader->ReadOption(key, fallback);
}

void frmOndulix::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
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
    canvas->Paint([](Surface& surface) { chart::InitChartPlot(surface); });
    IsActivated = true;
    cmdDraw_Click();
    if (!m_loadProblems.isEmpty() && !m_unloaded) {
        const QString text = m_loadProblems.join(u'\n');
        m_loadProblems.clear();
        m_messages->MsgBox(this, text, MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
    }
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
    for (;;) {
        QString error = WriteSettings(PersonalSection());
        if (error.isEmpty()) error = WriteOptions();
        if (error.isEmpty()) return;
        const int answer = m_messages->MsgBox(
            this,
            QStringLiteral("Ondulix could not save your birth dates and friends to %1: %2.\n\n"
                           "Retry, close without saving, or cancel to keep Ondulix open?")
                .arg(QDir::toNativeSeparators(IniPath), error),
            MessageBoxes::RetryCloseCancel | MessageBoxes::Exclamation, AppTitle);
        if (answer == MessageBoxes::Retry) continue;
        if (answer == MessageBoxes::Cancel) cancel = true;
        return;
    }
}

QString frmOndulix::WriteOptions() {
    return WriteSettings(settings::OptionWrites(mnuPhysical->isChecked(), mnuEmotional->isChecked(),
                                                mnuIntellectual->isChecked(),
                                                mnuIntuitive->isChecked()));
}

std::vector<ProfileWrite> frmOndulix::PersonalSection() const {
    std::vector<settings::Friend> entries;
    entries.reserve(static_cast<std::size_t>(FriendCount) + 1);
    for (std::int32_t i = 0; i <= FriendCount; ++i)
        entries.push_back({FriendName[i], {FriendDay[i], FriendMonth[i], FriendYear[i]}});
    return settings::PersonalWrites(entries);
}

QString frmOndulix::WriteSettings(const std::vector<ProfileWrite>& writes) {
    // The configuration folder may not exist yet on a new account.
    QDir().mkpath(QFileInfo(IniPath).absolutePath());
    return ::WriteProfile(IniPath, writes);
}

void frmOndulix::SavePersonal() {
    const QString error = WriteSettings(PersonalSection());
    if (error.isEmpty()) return;
    m_messages->MsgBox(this,
                       QStringLiteral("Ondulix could not save to %1: %2.\n\nThe change is kept "
                                      "while Ondulix runs; it will try again when it closes.")
                           .arg(QDir::toNativeSeparators(IniPath), error),
                       MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
}

void frmOndulix::cmdsave_Click() {
    if (optBirthdate->isChecked())
        SaveFriend();
    else
        RemoveFriend();
}

// ---- Draw command and chart toggles ----

void frmOndulix::cmdDraw_Click() {
    // Pending window events run first. A close or a second draw may happen
    // here; the window object outlives both, and a closed window draws no more.
    QCoreApplication::processEvents();
    if (m_unloaded) return;

    const QString birthText = TrioText(*cboBDmonth, *cboBDday, *cboBDyear);
    const QString displayText = TrioText(*cboDDmonth, *cboDDday, *cboDDyear);
    chart::KindSet ticked{};
    for (int k = chart::FirstKind; k <= chart::LastKind; ++k)
        ticked[k] = CheckValue(chkOndulixChart[k]) == 1;
    chart::CycleTables tables;
    tables.CycleRate = CycleRate;
    tables.CycleColor = CycleColor;

    bool unborn = false;
    ++m_drawRuns;
    canvas->Paint([&](Surface& surface) {
        modPlotUtil::PlotClear(surface);
        const QDate birth = cal::ParseDateText(birthText);
        const QDate display = cal::ParseDateText(displayText);
        const auto span = chart::ChooseChartSpan(birth, display, CheckValue(chkCenter) == 1);
        if (!span) {
            unborn = true;
            return;
        }
        {
            const QSignalBlocker quiet(sldMoonPhase);
            sldMoonPhase->setValue(span->slider);
        }
        sldMoonPhase_Change();
        chart::DrawChart(surface, tables, *span, ticked);
    });
    if (!unborn) return;

    m_messages->MsgBox(this, QStringLiteral("Belum lahir !!!"), MessageBoxes::OkOnly, AppTitle);
    if (m_unloaded) return;
    canvas->Paint([](Surface& surface) { modPlotUtil::PlotClear(surface); });
}

void frmOndulix::chkOndulixChart_Click(int /*index*/) {
    if (AllowRedraw) cmdDraw_Click();
}

void frmOndulix::chkCenter_Click() {
    if (AllowRedraw) cmdDraw_Click();
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

void frmOndulix::cboBDday_Click() {
    if (AllowRedraw) cmdDraw_Click();
}

void frmOndulix::cboDDday_Click() {
    if (AllowRedraw) cmdDraw_Click();
}

void frmOndulix::cboBDmonth_Click() {
    DatePickers::RefillDayCombo(*cboBDday, cboBDmonth->Text(), cboBDyear->Text());
}

void frmOndulix::cboDDmonth_Click() {
    DatePickers::RefillDayCombo(*cboDDday, cboDDmonth->Text(), cboDDyear->Text());
}

void frmOndulix::cboBDyear_Click() {
    if (cboBDmonth->Text() == QLatin1String("February"))
        DatePickers::RefillDayCombo(*cboBDday, cboBDmonth->Text(), cboBDyear->Text());
    else if (AllowRedraw)
        cmdDraw_Click();
}

void frmOndulix::cboDDyear_Click() {
    if (cboDDmonth->Text() == QLatin1String("February"))
        DatePickers::RefillDayCombo(*cboDDday, cboDDmonth->Text(), cboDDyear->Text());
    else if (AllowRedraw)
        cmdDraw_Click();
}

void frmOndulix::cmdGoToToday_Click() {
    AllowRedraw = false;
    SelectListItem(*cboDDyear, TodayYear, false);
    SelectListItem(*cboDDmonth, TodayMonth, false);
    DatePickers::FillDayCombo(*cboDDday, cboDDmonth->Text(), cboDDyear->Text());
    SelectListItem(*cboDDday, TodayDay, false);
    AllowRedraw = true;
    cmdDraw_Click();
}

// ---- Friends list: selection and modes ----

void frmOndulix::FillFriendCombo(std::int32_t index) {
    cboFriend->Clear();
    for (std::int32_t i = 0; i <= FriendCount; ++i)
        cboFriend->AddItem(FriendName[i]);
    SelectListItem(*cboFriend, FriendName[index], true);
    SetCheckedByCode(optBirthday);
}

void frmOndulix::SaveFriend() {
    const QString name = txtFriend->text();
    if (!name.isEmpty() && FriendCount >= settings::MaxFriends) {
        bool listed = false;
        for (std::int32_t i = 1; i <= FriendCount && !listed; ++i)
            listed = FriendName[i] == name;
        if (!listed) {
            m_messages->MsgBox(this,
                               QStringLiteral("Ondulix holds at most %1 friends. Remove one before "
                                              "adding %2.")
                                   .arg(settings::MaxFriends)
                                   .arg(name),
                               MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
            return;
        }
    }

    SuppressDraw = true;
    if (txtFriend->text().isEmpty()) {
        UpdateFriendDate(0);
    } else if (FriendCount == 0) {
        InsertFriend(1, FriendCount);
    } else {
        bool done = false;
        for (FriendIndex = 1; FriendIndex <= FriendCount; ++FriendIndex) {
            const QString text = txtFriend->text();
            if (FriendName[FriendIndex] == text) {
                UpdateFriendDate(FriendIndex);
                done = true;
                break;
            }
            if (text < FriendName[FriendIndex]) { // by character code
                InsertFriend(FriendIndex, FriendCount);
                done = true;
                break;
            }
        }
        if (!done) {
            FriendIndex = checked::Add(FriendCount, 1);
            InsertFriend(FriendIndex, FriendCount);
        }
    }
    SavePersonal();
}

void frmOndulix::InsertFriend(std::int32_t index, std::int32_t& count) {
    count = checked::Add(count, 1);
    for (std::int32_t j = count; j >= checked::Add(index, 1); --j) {
        FriendName[j] = FriendName[j - 1];
        FriendDay[j] = FriendDay[j - 1];
        FriendMonth[j] = FriendMonth[j - 1];
        FriendYear[j] = FriendYear[j - 1];
    }
    FriendName[index] = txtFriend->text();
    FriendDay[index] = cboBDday->Text();
    FriendMonth[index] = cboBDmonth->Text();
    FriendYear[index] = cboBDyear->Text();
    FillFriendCombo(index);
}

void frmOndulix::UpdateFriendDate(std::int32_t index) {
    FriendDay[index] = cboBDday->Text();
    FriendMonth[index] = cboBDmonth->Text();
    FriendYear[index] = cboBDyear->Text();
    FillFriendCombo(index);
}

void frmOndulix::RemoveFriend() {
    const QString prompt = QStringLiteral("Remove ? \"");
    if (m_messages->MsgBox(this, prompt, MessageBoxes::OkCancel, QString()) != MessageBoxes::Ok)
        return;
    for (std::int32_t i = cboFriend->ListIndex(); i <= FriendCount - 1; ++i) {
        FriendName[i] = FriendName[i + 1];
        FriendDay[i] = FriendDay[i + 1];
        FriendMonth[i] = FriendMonth[i + 1];
        FriendYear[i] = FriendYear[i + 1];
    }
    FriendCount = checked::Sub(FriendCount, 1);
    FillFriendCombo(0);
    SavePersonal();
}

void frmOndulix::cboFriend_Click() {
    FriendIndex = cboFriend->ListIndex();
    cmdsave->setVisible(FriendIndex > 0);
    AllowRedraw = false;
    SelectListItem(*cboBDyear, FriendYear[FriendIndex], true);
    SelectListItem(*cboBDmonth, FriendMonth[FriendIndex], true);
    SelectListItem(*cboBDday, FriendDay[FriendIndex], true);
    AllowRedraw = true;
    if (IsActivated && !SuppressDraw) cmdDraw_Click();
    SuppressDraw = false;
}

void frmOndulix::optBirthday_Click() {
    cboBDmonth->setEnabled(false);
    cboBDday->setEnabled(false);
    cboBDyear->setEnabled(false);
    cmdsave->setText(QStringLiteral("Remove "));
    if (cboFriend->Text() == OwnEntryName) cmdsave->hide();
    lblEnterFriend->hide();
    txtFriend->hide();
    cboFriend_Click();
}

void frmOndulix::optBirthdate_Click() {
    cboBDmonth->setEnabled(true);
    cboBDday->setEnabled(true);
    cboBDyear->setEnabled(true);
    cmdsave->setText(QStringLiteral("Save "));
    cmdsave->show();
    lblEnterFriend->show();
    txtFriend->show();
    txtFriend->setText(QString());
}

void frmOndulix::txtFriend_Change() {
    cmdsave->setText(txtFriend->text().isEmpty() ? QStringLiteral("Save ")
                                                 : QStringLiteral("Data"));
}

void frmOndulix::txtFriend_GotFocus() {
    modListUtil::SelectAllText(*txtFriend);
}

void frmOndulix::txtFriend_LostFocus() {
    txtFriend->setText(modStrUtil::ProperCase(txtFriend->text(), true));
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

void frmOndulix::sldMoonPhase_Change() {
    const QDate base = cal::ParseDateText(TrioText(*cboDDmonth, *cboDDday, *cboDDyear));
    const moon::MoonView view =
        moon::ComputeMoonView(base, sldMoonPhase->value(), CheckValue(chkCenter) == 1);
    lblPhaseDate->setText(view.caption);
    picMoon->setPixmap(QPixmap::fromImage(imgMoon.Picture(view.picture, devicePixelRatioF())));
}
