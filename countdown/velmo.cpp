#include "velmo.h"
#include "ui_velmo.h"

#include "look/designfonts.h"
#include "frmabout.h"
#include "help.h"
#include "runtime/numbers.h"
#include "programinfo.h"
#include "runtime/services.h"
#include "look/windowplacement.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStringBuilder>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {
constexpr QSize clientSize { 5310 / 15, 5700 / 15 };

struct Month
{
    std::int16_t number;
    QString name;
    std::int16_t days; // February in a common year
};

// The clock panel names and sizes the months; the calculation matches the event month against
// the same names, and the list the event month is chosen from holds them too, so all three share
// this one table. The names are the language's own, as the program speaks it: the design's in
// English, and in any other language the same month numbers under that language's names.
const std::array<Month, 12> &monthTable()
{
    static const std::array<std::int16_t, 12> days { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    static std::array<Month, 12> table;
    static QString language;
    const QLocale locale;
    if (table[0].name.isEmpty() || locale.name() != language) {
        language = locale.name();
        for (std::size_t i = 0; i < table.size(); ++i) {
            const auto number = static_cast<std::int16_t>(i + 1);
            table[i] = { number, locale.standaloneMonthName(number), days[i] };
        }
    }
    return table;
}

constexpr std::int16_t february = 2;
constexpr std::int16_t leapFebruaryDays = 29;

QString caption(const QLabel *label)
{
    return label->text();
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
}

std::int16_t shortInteger(int value)
{
    // The clock's fields fit a 16-bit integer, as the runtime hands them out.
    return static_cast<std::int16_t>(value);
}

} // namespace

Velmo::Velmo(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::Velmo>())
    , m_services(services)
    , m_timer1(new QTimer(this))
    // Designer stores whole point sizes only.
    , m_answerFont(std::in_place, QStringLiteral("MS Sans Serif"), 9.75)
{
    m_ui->setupUi(this);
    setWindowTitle(QStringView(ProgramInfo::title).toString());
    // Resizable and minimisable, never maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // The text boxes take text of any length: Qt's default limit of 32,767 characters would cut
    // a longer paste short without a sign.
    for (QLineEdit *box : { m_ui->BandInput, m_ui->WhereInput })
        box->setMaxLength(std::numeric_limits<int>::max());
    // The months under the names the calculation knows them by, in the program's language.
    m_ui->EndMonth->clear();
    for (const Month &month : monthTable())
        m_ui->EndMonth->addItem(month.name);
    m_ui->EndMonth->setCurrentIndex(-1);

    // The client area below the menu bar has the designed size; the window grows by the bar,
    // unless the system shows the menu outside the window.
    const int menuHeight = m_ui->menuBar->isNativeMenuBar() ? 0 : m_ui->menuBar->sizeHint().height();
    resize(clientSize.width(), clientSize.height() + menuHeight);
    centreOnScreen(this);
    m_ui->BandInput->setFocus();

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connectHandler(m_services.guard, m_timer1, &QTimer::timeout, this, &Velmo::Timer1_Timer);
    connectHandler(m_services.guard, m_ui->Calculate, &QPushButton::clicked, this,
                   &Velmo::Calculate_Click);
    connectHandler(m_services.guard, m_ui->Help_m, &QAction::triggered, this,
                   &Velmo::Help_m_Click);
    connectHandler(m_services.guard, m_ui->about, &QAction::triggered, this, &Velmo::about_Click);
    m_timer1->start();
}

Velmo::~Velmo() = default;

void Velmo::Timer1_Timer()
{
    // Step 1. One reading feeds all six labels: separate readings could straddle the turn of an
    // hour and show, for a second, the old hour with minute 0.
    const QDateTime reading = m_services.clock.now();
    const QTime time = reading.time();
    // The date's three fields in one conversion: each of year(), month() and day() would convert
    // the whole date again, and a tick has little else to do.
    int year = 0;
    int monthOfYear = 0;
    int day = 0;
    reading.date().getDate(&year, &monthOfYear, &day);
    setCaption(m_ui->CurYear, integerToText(shortInteger(year)));
    setCaption(m_ui->CurMon, integerToText(shortInteger(monthOfYear)));
    setCaption(m_ui->CurDay, integerToText(shortInteger(day)));
    setCaption(m_ui->CurHour, integerToText(shortInteger(time.hour())));
    setCaption(m_ui->CurMin, integerToText(shortInteger(time.minute())));
    setCaption(m_ui->CurSec, integerToText(shortInteger(time.second())));

    // Steps 2 to 7 derive their values from the captions just written: the labels are the only
    // store, and whatever a derived label shows must agree with the panel on this tick.

    // Step 2. Month name.
    const double monthNumber = textToDouble(caption(m_ui->CurMon));
    for (const Month &month : monthTable()) {
        if (monthNumber == month.number)
            setCaption(m_ui->MonName, month.name);
    }

    // Step 3. Days in the month, found by the name step 2 wrote. February gains its 29th day in
    // leap years, or on 29 February the panel would say the month has 28.
    const QString monthName = caption(m_ui->MonName);
    for (const Month &month : monthTable()) {
        if (monthName == month.name) {
            std::int16_t days = month.days;
            if (month.number == february
                && QDate::isLeapYear(static_cast<int>(textToDouble(caption(m_ui->CurYear)))))
                days = leapFebruaryDays;
            setCaption(m_ui->DaysInMon, integerToText(days));
        }
    }

    // Step 4. Hour on the 12-hour clock. The midnight hour stays "0": the calculation subtracts
    // this figure, and its arithmetic was laid down with 0 there, not 12.
    const double hour = textToDouble(caption(m_ui->CurHour));
    if (hour < 12)
        setCaption(m_ui->HourNow, caption(m_ui->CurHour));
    if (hour == 12)
        setCaption(m_ui->HourNow, QStringLiteral("12"));
    if (hour > 12)
        setCaption(m_ui->HourNow, integerToText(static_cast<std::int16_t>(hour - 12)));

    // Step 5. AM or PM, from the same hour.
    setCaption(m_ui->AM_PM, hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));

    // Step 6. Minute with two digits, for the sentence only: CurMin stays unpadded because the
    // calculation reads it as a number.
    const QString minute = caption(m_ui->CurMin);
    if (textToDouble(minute) <= 9)
        setCaption(m_ui->MinNow, QStringLiteral("0") % minute);
    else
        setCaption(m_ui->MinNow, minute);

    // Step 7. The sentence: no seconds, and no comma after the day in English. A translation
    // orders the pieces as its language writes a date and a time.
    setCaption(m_ui->ThisMonth,
               tr("The current time is: %1, %2 %3 at %4:%5 %6")
                   .arg(caption(m_ui->MonName), caption(m_ui->CurDay), caption(m_ui->CurYear),
                        caption(m_ui->HourNow), caption(m_ui->MinNow), caption(m_ui->AM_PM)));
}

void Velmo::Calculate_Click()
{
    // Step 1. Presence check. Every empty input is reported, so one click tells the user all that
    // is missing; then the calculation stops, because an empty input has no number to give.
    struct PresenceCheck
    {
        const QComboBox *input;
        QString title;
        QString prompt;
    };
    const std::array<PresenceCheck, 4> presenceChecks { {
        { m_ui->EndMonth, tr("ERROR 001!   NO MONTH SPECIFIED!"), tr("you must enter a month.") },
        { m_ui->EndDay, tr("ERROR 002!   NO DAY SPECIFIED!"), tr("you must enter a day.") },
        { m_ui->EndHour, tr("ERROR 003!   NO HOUR SPECIFIED!"), tr("you must enter an hour.") },
        { m_ui->EndMinute, tr("ERROR 004!   NO MINUTE SPECIFIED!"),
          tr("you must enter a minute.") },
    } };
    bool anInputIsEmpty = false;
    for (const PresenceCheck &check : presenceChecks) {
        // Only a text of length 0 counts as empty.
        if (check.input->currentText().isEmpty()) {
            m_services.messages.show(this, check.prompt, MessageStyle::Exclamation, check.title);
            anInputIsEmpty = true;
        }
    }
    if (anInputIsEmpty)
        return;

    // Until the clock panel's first tick its labels hold their own names, and there is no
    // present time to count from.
    if (!presentTimeIsKnown()) {
        m_services.messages.show(
            this,
            tr("The current time is not known yet. Please try again in a moment."),
            MessageStyle::Exclamation, QStringView(ProgramInfo::title).toString());
        return;
    }

    // From here on every step reads what an earlier step or the latest tick wrote. The
    // arithmetic is field by field on purpose: no year, no AM/PM, no borrow between fields.

    // Step 2. Month number.
    const QString eventMonth = m_ui->EndMonth->currentText();
    for (const Month &month : monthTable()) {
        if (eventMonth == month.name)
            setCaption(m_ui->EndMonNum, integerToText(month.number));
    }

    // Step 3. Days figure: the event day plus today's day minus the present month's length. The
    // event month's own length never enters.
    for (const Month &month : monthTable()) {
        if (eventMonth == month.name) {
            const double today = textToDouble(caption(m_ui->CurDay));
            const double daysInMonth = textToDouble(caption(m_ui->DaysInMon));
            const double eventDay = textToDouble(m_ui->EndDay->currentText());
            setCaption(m_ui->EndDays,
                       doubleToText(checkedAdd(eventDay, checkedSubtract(today, daysInMonth))));
        }
    }

    // Step 4. Event minute. Minute "00" counts as 60, so that the minutes run to the next full
    // hour instead of coming out negative.
    const QString eventMinuteText = m_ui->EndMinute->currentText();
    const double eventMinute = textToDouble(eventMinuteText);
    for (const double listedMinute : { 0.0, 10.0, 20.0, 30.0, 40.0, 50.0 }) {
        if (eventMinute == listedMinute) {
            if (listedMinute == 0)
                setCaption(m_ui->EndMinCalc, integerToText(60));
            else
                setCaption(m_ui->EndMinCalc, eventMinuteText);
        }
    }

    // Step 5. Months figure; without a year, an earlier month gives a negative figure.
    setCaption(m_ui->EndMon,
               doubleToText(checkedSubtract(textToDouble(caption(m_ui->EndMonNum)),
                                            textToDouble(caption(m_ui->CurMon)))));

    // Step 6. Hours difference on the 12-hour clock, negative as it comes.
    setCaption(m_ui->EndHours,
               doubleToText(checkedSubtract(textToDouble(m_ui->EndHour->currentText()),
                                            textToDouble(caption(m_ui->HourNow)))));

    // Step 7. Minutes difference.
    setCaption(m_ui->EndMinutes,
               doubleToText(checkedSubtract(textToDouble(caption(m_ui->EndMinCalc)),
                                            textToDouble(caption(m_ui->CurMin)))));

    // Step 8. Figures of the sentence. Only the minutes are corrected; a negative minutes
    // difference sets the hours to 0 rather than borrowing an hour.
    const QString minutesDifferenceText = caption(m_ui->EndMinutes);
    const double minutesDifference = textToDouble(minutesDifferenceText);
    if (minutesDifference < 0) {
        setCaption(m_ui->FinalMinutes, doubleToText(checkedAdd(minutesDifference, 60)));
        setCaption(m_ui->FinalHours, integerToText(0));
    } else {
        setCaption(m_ui->FinalMinutes, minutesDifferenceText);
        setCaption(m_ui->FinalHours, caption(m_ui->EndHours));
    }

    // Step 9. The sentence, every piece as it stands: what the user typed is shown as typed. A
    // figure's number chooses the word's form where a translation has several; English keeps
    // its "1 Months". The form goes by the figure's size, because Qt gives every negative
    // number the first form, the singular: "-9 Tage" and "-1 Tag", never "-9 Tag". The pieces
    // are put in at once, so that a "%1" the user typed stays as typed.
    const auto figure = [](const QString &caption) {
        return static_cast<int>(std::min(std::abs(textToDouble(caption)), 1e9));
    };
    const QString months = caption(m_ui->EndMon);
    const QString days = caption(m_ui->EndDays);
    const QString hours = caption(m_ui->FinalHours);
    const QString minutes = caption(m_ui->FinalMinutes);
    writeAnswer(tr("It is %1, %2, %3, and %4 until %5 at %6.")
                   .arg(tr("%1 Months", nullptr, figure(months)).arg(months),
                        tr("%1 Days", nullptr, figure(days)).arg(days),
                        tr("%1 hours", nullptr, figure(hours)).arg(hours),
                        tr("%1 minutes", nullptr, figure(minutes)).arg(minutes),
                        m_ui->BandInput->text(), m_ui->WhereInput->text()));
}

void Velmo::writeAnswer(const QString &sentence)
{
    if (m_answerFont) {
        m_ui->FinalCalculation->setFont(m_answerFont->font());
        m_answerFont.reset();
    }
    setCaption(m_ui->FinalCalculation, sentence);
}

bool Velmo::presentTimeIsKnown() const
{
    for (const QLabel *clockLabel :
         { m_ui->CurMon, m_ui->CurDay, m_ui->HourNow, m_ui->CurMin, m_ui->DaysInMon }) {
        if (!isNumericText(caption(clockLabel)))
            return false;
    }
    return true;
}

void Velmo::Help_m_Click()
{
    // A fresh window each time, modeless and without owner; it deletes itself when closed.
    auto *help = new Help(m_services);
    help->show();
}

void Velmo::about_Click()
{
    // Like Help: a new box each time, modeless and without owner, released when closed.
    auto *about = new frmAbout(m_services);
    about->show();
}
