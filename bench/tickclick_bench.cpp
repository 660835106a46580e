// What one tick of the clock panel and one "TELL ME NOW!" cost, each against a baseline in the
// same run that writes the same captions into the same labels and does nothing else. The ratio
// says how much the handlers add to the label writes they cannot avoid. Prints; asserts nothing.

#include "fakeservices.h"
#include "velmo.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

constexpr int rounds = 7;

struct Timings
{
    double handler = std::numeric_limits<double>::max();
    double baseline = std::numeric_limits<double>::max();
};

double nanosecondsPerCall(int calls, const std::function<void(int)> &call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        call(i);
    return static_cast<double>(timer.nsecsElapsed()) / calls;
}

// The best of several rounds, in nanoseconds per call: the least disturbed by the machine. The
// rounds alternate, so a busy spell slows both sides alike.
Timings measure(int calls, const std::function<void(int)> &handler,
                const std::function<void(int)> &baseline)
{
    Timings best;
    for (int round = 0; round < rounds; ++round) {
        best.baseline = std::min(best.baseline, nanosecondsPerCall(calls, baseline));
        best.handler = std::min(best.handler, nanosecondsPerCall(calls, handler));
    }
    return best;
}

template<std::size_t N>
std::array<QLabel *, N> labels(const Velmo &window, const std::array<const char *, N> &names)
{
    std::array<QLabel *, N> found {};
    for (std::size_t i = 0; i < N; ++i)
        found[i] = window.findChild<QLabel *>(QString::fromLatin1(names[i]));
    return found;
}

template<std::size_t N>
std::array<QString, N> captions(const std::array<QLabel *, N> &from)
{
    std::array<QString, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = from[i]->text();
    return texts;
}

void report(const char *what, std::size_t captionCount, const Timings &timings)
{
    std::printf("%-28s %7.0f ns   baseline (%zu captions) %7.0f ns   ratio %.2f (target at most 2)\n",
                what, timings.handler, captionCount, timings.baseline,
                timings.handler / timings.baseline);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FakeServices fakes(QStringLiteral("Velmora"));
    Velmo window(fakes.services());
    window.show();

    // One tick: an hour of successive seconds, so that every tick writes new captions.
    const auto clockLabels = labels<12>(window, { "CurYear", "CurMon", "CurDay", "CurHour", "CurMin",
                                                  "CurSec", "MonName", "DaysInMon", "HourNow",
                                                  "AM_PM", "MinNow", "ThisMonth" });
    const QDateTime start(QDate(2026, 12, 7), QTime(20, 0), Qt::UTC);
    QList<QDateTime> moments;
    QList<std::array<QString, 12>> tickCaptions;
    for (int second = 0; second < 3600; ++second) {
        moments.append(start.addSecs(second));
        fakes.clock.set(moments.last());
        window.Timer1_Timer();
        tickCaptions.append(captions(clockLabels));
    }
    const int ticks = 100000;
    const Timings tick = measure(
        ticks,
        [&](int i) {
            fakes.clock.set(moments[i % moments.size()]);
            window.Timer1_Timer();
        },
        [&](int i) {
            const auto slot = i % moments.size();
            fakes.clock.set(moments[slot]);
            for (std::size_t k = 0; k < clockLabels.size(); ++k)
                clockLabels[k]->setText(tickCaptions[slot][k]);
        });

    // One click: every combination of the four lists in turn, at one present time.
    const auto workingLabels = labels<9>(window, { "EndMonNum", "EndDays", "EndMinCalc", "EndMon",
                                                   "EndHours", "EndMinutes", "FinalMinutes",
                                                   "FinalHours", "FinalCalculation" });
    const std::array<QComboBox *, 4> lists { window.findChild<QComboBox *>("EndMonth"),
                                             window.findChild<QComboBox *>("EndDay"),
                                             window.findChild<QComboBox *>("EndHour"),
                                             window.findChild<QComboBox *>("EndMinute") };
    struct Choice
    {
        std::array<int, 4> items;
        std::array<QString, 9> answer;
    };
    QList<Choice> choices;
    fakes.clock.set(QDateTime(QDate(2026, 3, 7), QTime(15, 20), Qt::UTC));
    window.Timer1_Timer();
    for (int month = 0; month < 12; ++month)
        for (int day = 0; day < 31; ++day)
            for (int hour = 0; hour < 12; ++hour)
                for (int minute = 0; minute < 6; ++minute) {
                    Choice choice { { month, day, hour, minute }, {} };
                    for (std::size_t k = 0; k < lists.size(); ++k)
                        lists[k]->setCurrentIndex(choice.items[k]);
                    window.Calculate_Click();
                    choice.answer = captions(workingLabels);
                    choices.append(choice);
                }
    const auto choose = [&](const Choice &choice) {
        for (std::size_t k = 0; k < lists.size(); ++k)
            lists[k]->setCurrentIndex(choice.items[k]);
    };
    const int clicks = static_cast<int>(choices.size());
    const Timings click = measure(
        clicks,
        [&](int i) {
            choose(choices[i]);
            window.Calculate_Click();
        },
        [&](int i) {
            const Choice &choice = choices[i];
            choose(choice);
            for (std::size_t k = 0; k < workingLabels.size(); ++k)
                workingLabels[k]->setText(choice.answer[k]);
        });

    report("Timer1_Timer (one tick)", clockLabels.size(), tick);
    report("Calculate_Click (one click)", workingLabels.size(), click);
    if (!fakes.messages.shown.isEmpty() || !fakes.programEnd.endings.isEmpty())
        std::printf("note: a handler showed a message or ended the program during the run\n");
    return 0;
}
