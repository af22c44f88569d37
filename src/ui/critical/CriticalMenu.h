#pragma once

#include "chart/ChartState.h"
#include "chart/CriticalDays.h"

#include <QDate>
#include <QObject>
#include <functional>

class ChartDialogs;
class MessageBoxes;
class Notice;
class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMainWindow;
class QTreeWidget;

// The "Tampilan" menu: critical days marked on the chart, the real moon
// instead of the count, and the list of critical days ahead with its calendar
// export. The two options are the chart's: switching one draws once.
class CriticalMenu final : public QObject {
public:
    struct Window {
        QMainWindow* window;
        const chart::ChartState* state;
        MessageBoxes* messages;
        ChartDialogs* dialogs;
        Notice* notice;
        std::function<void()> optionsChanged; // save the options and draw once
        std::function<void(QDate)> showDay;   // make it the display date, one draw
        std::function<void(const std::function<void()>&)> guard;
    };
    explicit CriticalMenu(Window window);

    QAction* mnuMarks;
    QAction* mnuTrueMoon;
    QAction* mnuCriticalDays;

    QTreeWidget* Rows() const { return m_rows; }
    // The list's spans, in days: 60, 200, a year, five years.
    static constexpr std::int32_t Spans[] = {60, 200, 365, 5 * 365 + 1};

    void ShowList();
    void ExportCalendar();

private:
    void Fill();
    void FindNext(std::int32_t atLeast);
    // The people listed (the chart's person, and the compared one), each with
    // the critical days the list's span and filter take from the display date;
    // before the list is first opened, 200 days of all of them.
    struct Listee {
        QString name; // "Anda" for the user's own
        QDate birth;
        std::vector<chart::CriticalDay> days;
    };
    std::vector<Listee> Listed() const;
    std::int32_t Span() const;

    Window w;
    QDialog* m_dialog = nullptr;
    QComboBox* m_span = nullptr;
    QComboBox* m_filter = nullptr;
    QTreeWidget* m_rows = nullptr;
    QLabel* m_note = nullptr;
    Notice* m_said = nullptr; // what a search found
};
