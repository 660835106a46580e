// "TELL ME NOW!" as the user sees it: the sentence and the working labels beside it for a
// pinned present time, the warnings for empty inputs, the click before the clock is known, and
// every choice the four lists allow.

#include "fakeservices.h"
#include "testmain.h"
#include "velmo.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTranslator>

#include <algorithm>
#include <random>

namespace {

const QStringList workingLabels { "EndMonNum", "EndDays",    "EndMinCalc",   "EndMon",
                                  "EndHours",  "EndMinutes", "FinalMinutes", "FinalHours" };

QDateTime at(int year, int month, int day, int hour, int minute)
{
    return { QDate(year, month, day), QTime(hour, minute), Qt::UTC };
}

struct Window
{
    FakeServices fakes { "Velmora" };
    Velmo window { fakes.services() };

    Window() { window.show(); }

    template<typename Control>
    Control *control(const QString &name) const
    {
        auto *found = window.findChild<Control *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString caption(const QString &label) const { return control<QLabel>(label)->text(); }
    QStringList captions(const QStringList &labels) const
    {
        QStringList all;
        for (const QString &label : labels)
            all.append(caption(label));
        return all;
    }
    QHash<QString, QString> everyCaption() const
    {
        QHash<QString, QString> all;
        for (const QLabel *label : window.findChildren<QLabel *>())
            all.insert(label->objectName(), label->text());
        return all;
    }
    void tickAt(const QDateTime &now)
    {
        fakes.clock.set(now);
        window.Timer1_Timer();
    }
    // As the user picks from a list: only listed items can be chosen.
    bool choose(const QString &list, const QString &item)
    {
        auto *combo = control<QComboBox>(list);
        combo->setCurrentIndex(combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive));
        return combo->currentText() == item;
    }
    bool chooseEvent(const QString &month, const QString &day, const QString &hour,
                     const QString &minute)
    {
        return choose("EndMonth", month) && choose("EndDay", day) && choose("EndHour", hour)
            && choose("EndMinute", minute);
    }
    void type(const QString &band, const QString &where)
    {
        control<QLineEdit>("BandInput")->setText(band);
        control<QLineEdit>("WhereInput")->setText(where);
    }
    void tellMeNow() { control<QPushButton>("Calculate")->click(); }
};

} // namespace

class CalculationTest : public QObject
{
    Q_OBJECT

private slots:
    void countdown_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QStringList>("event"); // month, day, hour, minute
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("working"); // in the order of workingLabels
        QTest::addColumn<QString>("sentence");

        const QStringList march15at540 { "March", "15", "5", "40" };

        QTest::newRow("worked example")
            << at(2026, 3, 7, 15, 20) << march15at540 << "Spring Fair" << "Town Hall"
            << QStringList { "3", "-9", "40", "0", "2", "20", "20", "2" }
            << "It is 0 Months, -9 Days, 2 hours, and 20 minutes until Spring Fair at Town Hall.";
        QTest::newRow("event minute earlier than now")
            << at(2026, 3, 7, 3, 40) << QStringList { "March", "15", "5", "10" } << "Gig" << "Pub"
            << QStringList { "3", "-9", "10", "0", "2", "-30", "30", "0" }
            << "It is 0 Months, -9 Days, 0 hours, and 30 minutes until Gig at Pub.";
        QTest::newRow("event minute equal to now")
            << at(2026, 3, 7, 3, 20) << QStringList { "March", "15", "5", "20" } << "Gig" << "Pub"
            << QStringList { "3", "-9", "20", "0", "2", "0", "0", "2" }
            << "It is 0 Months, -9 Days, 2 hours, and 0 minutes until Gig at Pub.";
        QTest::newRow("event minute 00 counts as 60")
            << at(2026, 3, 7, 3, 20) << QStringList { "March", "15", "5", "00" } << "Gig" << "Pub"
            << QStringList { "3", "-9", "60", "0", "2", "40", "40", "2" }
            << "It is 0 Months, -9 Days, 2 hours, and 40 minutes until Gig at Pub.";
        QTest::newRow("event minute 00 at present minute 0")
            << at(2026, 3, 7, 3, 0) << QStringList { "March", "15", "5", "00" } << "Gig" << "Pub"
            << QStringList { "3", "-9", "60", "0", "2", "60", "60", "2" }
            << "It is 0 Months, -9 Days, 2 hours, and 60 minutes until Gig at Pub.";
        QTest::newRow("event month before the present month")
            << at(2026, 12, 7, 20, 5) << QStringList { "January", "15", "9", "10" } << "Gig" << "Pub"
            << QStringList { "1", "-9", "10", "-11", "1", "5", "5", "1" }
            << "It is -11 Months, -9 Days, 1 hours, and 5 minutes until Gig at Pub.";
        QTest::newRow("same day as today")
            << at(2026, 3, 7, 3, 20) << QStringList { "March", "7", "5", "40" } << "Gig" << "Pub"
            << QStringList { "3", "-17", "40", "0", "2", "20", "20", "2" }
            << "It is 0 Months, -17 Days, 2 hours, and 20 minutes until Gig at Pub.";
        QTest::newRow("February now, common year")
            << at(2026, 2, 10, 9, 0) << QStringList { "March", "1", "10", "10" } << "Gig" << "Pub"
            << QStringList { "3", "-17", "10", "1", "1", "10", "10", "1" }
            << "It is 1 Months, -17 Days, 1 hours, and 10 minutes until Gig at Pub.";
        QTest::newRow("February now, leap year")
            << at(2028, 2, 10, 9, 0) << QStringList { "March", "1", "10", "10" } << "Gig" << "Pub"
            << QStringList { "3", "-18", "10", "1", "1", "10", "10", "1" }
            << "It is 1 Months, -18 Days, 1 hours, and 10 minutes until Gig at Pub.";
        QTest::newRow("31 February accepted")
            << at(2026, 3, 7, 3, 20) << QStringList { "February", "31", "5", "40" } << "Gig" << "Pub"
            << QStringList { "2", "7", "40", "-1", "2", "20", "20", "2" }
            << "It is -1 Months, 7 Days, 2 hours, and 20 minutes until Gig at Pub.";
        QTest::newRow("negative hours difference")
            << at(2026, 3, 7, 5, 20) << QStringList { "March", "15", "3", "40" } << "Gig" << "Pub"
            << QStringList { "3", "-9", "40", "0", "-2", "20", "20", "-2" }
            << "It is 0 Months, -9 Days, -2 hours, and 20 minutes until Gig at Pub.";
        QTest::newRow("midnight hour, event at 12")
            << at(2026, 3, 7, 0, 20) << QStringList { "March", "15", "12", "40" } << "Gig" << "Pub"
            << QStringList { "3", "-9", "40", "0", "12", "20", "20", "12" }
            << "It is 0 Months, -9 Days, 12 hours, and 20 minutes until Gig at Pub.";
        QTest::newRow("noon hour, event at 12")
            << at(2026, 3, 7, 12, 20) << QStringList { "March", "15", "12", "40" } << "Gig" << "Pub"
            << QStringList { "3", "-9", "40", "0", "0", "20", "20", "0" }
            << "It is 0 Months, -9 Days, 0 hours, and 20 minutes until Gig at Pub.";
        QTest::newRow("noon hour, event at 1")
            << at(2026, 3, 7, 12, 20) << QStringList { "March", "15", "1", "40" } << "Gig" << "Pub"
            << QStringList { "3", "-9", "40", "0", "-11", "20", "20", "-11" }
            << "It is 0 Months, -9 Days, -11 hours, and 20 minutes until Gig at Pub.";
        QTest::newRow("blanks and markup shown as typed")
            << at(2026, 3, 7, 15, 20) << march15at540 << "  <b>Gig</b> &amp; " << ""
            << QStringList { "3", "-9", "40", "0", "2", "20", "20", "2" }
            << "It is 0 Months, -9 Days, 2 hours, and 20 minutes until   <b>Gig</b> &amp;  at .";
    }

    void countdown()
    {
        QFETCH(QDateTime, now);
        QFETCH(QStringList, event);
        QFETCH(QString, band);
        QFETCH(QString, where);
        QFETCH(QStringList, working);
        QFETCH(QString, sentence);

        // GIVEN the clock panel has ticked at `now` and the user has chosen and typed the event
        Window w;
        w.tickAt(now);
        const QString panelSentence = w.caption("ThisMonth");
        QVERIFY(w.chooseEvent(event[0], event[1], event[2], event[3]));
        w.type(band, where);

        // WHEN they press "TELL ME NOW!"
        w.tellMeNow();

        // THEN the working labels hold each step's figure and the result shows as plain text
        QCOMPARE(w.captions(workingLabels), working);
        QCOMPARE(w.caption("FinalCalculation"), sentence);
        QCOMPARE(w.control<QLabel>("FinalCalculation")->textFormat(), Qt::PlainText);

        // AND the sentence appears nowhere else, and the clock was not read again
        QVERIFY(w.fakes.messages.shown.isEmpty());
        QCOMPARE(w.caption("ThisMonth"), panelSentence);
        QCOMPARE(w.fakes.clock.readings(), 1);
        QVERIFY(w.fakes.programEnd.endings.isEmpty());
    }

    void countdownInAnotherLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QStringList>("event"); // month, day, hour, minute
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<QString>("sentence");

        QTest::newRow("German, figures below zero in the plural")
            << "de" << at(2026, 3, 7, 15, 20) << QStringList { "März", "15", "5", "40" }
            << "Sommerfest" << "Rathaus" << "Aktuelle Uhrzeit: 7. März 2026, 3:20 PM"
            << "Noch 0 Monate, -9 Tage, 2 Stunden und 20 Minuten bis Sommerfest (Rathaus).";
        QTest::newRow("German, one of each")
            << "de" << at(2026, 2, 10, 9, 9) << QStringList { "März", "19", "10", "10" }
            << "Sommerfest" << "Rathaus" << "Aktuelle Uhrzeit: 10. Februar 2026, 9:09 AM"
            << "Noch 1 Monat, 1 Tag, 1 Stunde und 1 Minute bis Sommerfest (Rathaus).";
        QTest::newRow("German, minus one in the singular")
            << "de" << at(2026, 3, 7, 3, 20) << QStringList { "Februar", "31", "5", "40" }
            << "Sommerfest" << "Rathaus" << "Aktuelle Uhrzeit: 7. März 2026, 3:20 AM"
            << "Noch -1 Monat, 7 Tage, 2 Stunden und 20 Minuten bis Sommerfest (Rathaus).";
        QTest::newRow("French, the worked example")
            << "fr" << at(2026, 3, 7, 3, 20) << QStringList { "mars", "15", "5", "40" }
            << "Fête de printemps" << "Mairie" << "Heure actuelle\u00a0: 7 mars 2026 à 3:20 AM"
            << "Il reste 0 mois, -9 jours, 2 heures et 20 minutes avant Fête de printemps "
               "(Mairie).";
        QTest::newRow("Spanish, the worked example")
            << "es" << at(2026, 3, 7, 3, 20) << QStringList { "marzo", "15", "5", "40" }
            << "Feria" << "Ayuntamiento" << "Hora actual: 7 de marzo de 2026, 3:20 AM"
            << "Faltan 0 meses, -9 días, 2 horas y 20 minutos para Feria (Ayuntamiento).";
        QTest::newRow("French, zero in the singular")
            << "fr" << at(2026, 3, 7, 4, 20) << QStringList { "mars", "15", "5", "20" }
            << "Grand bal" << "Mairie" << "Heure actuelle\u00a0: 7 mars 2026 à 4:20 AM"
            << "Il reste 0 mois, -9 jours, 1 heure et 0 minute avant Grand bal (Mairie).";
        QTest::newRow("Spanish, an earlier month")
            << "es" << at(2026, 12, 7, 20, 5) << QStringList { "enero", "15", "9", "10" }
            << "Concierto" << "Ayuntamiento" << "Hora actual: 7 de diciembre de 2026, 8:05 PM"
            << "Faltan -11 meses, -9 días, 1 hora y 5 minutos para Concierto (Ayuntamiento).";
    }

    void countdownInAnotherLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QDateTime, now);
        QFETCH(QStringList, event);
        QFETCH(QString, band);
        QFETCH(QString, where);
        QFETCH(QString, clock);
        QFETCH(QString, sentence);

        // GIVEN Velmora speaking the language from the build's catalogue, its panel ticked at
        // `now` and the event chosen under that language's month names
        QTranslator catalogue;
        QVERIFY(catalogue.load("velmora_" + language, CATALOGUE_FOLDER));
        QVERIFY(QCoreApplication::installTranslator(&catalogue));
        const QLocale before;
        QLocale::setDefault(QLocale(language));
        const auto restore = qScopeGuard([&] {
            QCoreApplication::removeTranslator(&catalogue);
            QLocale::setDefault(before);
        });
        Window w;
        w.tickAt(now);
        QVERIFY(w.chooseEvent(event[0], event[1], event[2], event[3]));
        w.type(band, where);

        // WHEN the user presses the button
        w.tellMeNow();

        // THEN the clock and the answer read as the language writes them, each figure's word in
        // the form its number takes
        QCOMPARE(w.caption("ThisMonth"), clock);
        QCOMPARE(w.caption("FinalCalculation"), sentence);
        QVERIFY(w.fakes.messages.shown.isEmpty());
    }

    void aLaterClickOverwritesTheEarlierAnswer()
    {
        // GIVEN an answer on the screen
        Window w;
        w.tickAt(at(2026, 3, 7, 15, 20));
        QVERIFY(w.chooseEvent("March", "15", "5", "40"));
        w.type("Spring Fair", "Town Hall");
        w.tellMeNow();

        // WHEN the clock moves on and the user asks again for another event
        w.tickAt(at(2026, 3, 7, 16, 45));
        QVERIFY(w.chooseEvent("May", "2", "7", "00"));
        w.type("Gig", "Pub");
        w.tellMeNow();

        // THEN every figure comes from the second click
        QCOMPARE(w.captions(workingLabels),
                 (QStringList { "5", "-22", "60", "2", "3", "15", "15", "3" }));
        QCOMPARE(w.caption("FinalCalculation"),
                 QString("It is 2 Months, -22 Days, 3 hours, and 15 minutes until Gig at Pub."));
    }

    void emptyInputs_data()
    {
        QTest::addColumn<QStringList>("leftEmpty");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("prompts");

        const QString month = "ERROR 001!   NO MONTH SPECIFIED!";
        const QString day = "ERROR 002!   NO DAY SPECIFIED!";
        const QString hour = "ERROR 003!   NO HOUR SPECIFIED!";
        const QString minute = "ERROR 004!   NO MINUTE SPECIFIED!";

        QTest::newRow("month only") << QStringList { "EndMonth" } << QStringList { month }
                                    << QStringList { "you must enter a month." };
        QTest::newRow("day only") << QStringList { "EndDay" } << QStringList { day }
                                  << QStringList { "you must enter a day." };
        QTest::newRow("hour only") << QStringList { "EndHour" } << QStringList { hour }
                                   << QStringList { "you must enter an hour." };
        QTest::newRow("minute only") << QStringList { "EndMinute" } << QStringList { minute }
                                     << QStringList { "you must enter a minute." };
        QTest::newRow("all four")
            << QStringList { "EndMinute", "EndHour", "EndDay", "EndMonth" }
            << QStringList { month, day, hour, minute }
            << QStringList { "you must enter a month.", "you must enter a day.",
                             "you must enter an hour.", "you must enter a minute." };
    }

    void emptyInputs()
    {
        QFETCH(QStringList, leftEmpty);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, prompts);

        // GIVEN a ticking panel and an event with some of its lists not chosen
        Window w;
        w.tickAt(at(2026, 3, 7, 15, 20));
        const QStringList lists { "EndMonth", "EndDay", "EndHour", "EndMinute" };
        const QStringList items { "March", "15", "5", "40" };
        for (int i = 0; i < lists.size(); ++i) {
            if (!leftEmpty.contains(lists[i]))
                QVERIFY(w.choose(lists[i], items[i]));
        }
        w.type("Spring Fair", "Town Hall");
        const auto before = w.everyCaption();

        // WHEN the user presses "TELL ME NOW!"
        w.tellMeNow();

        // THEN one warning per empty list, in the order month, day, hour, minute
        QStringList shownTitles;
        QStringList shownPrompts;
        for (const auto &box : w.fakes.messages.shown) {
            shownTitles.append(box.title);
            shownPrompts.append(box.prompt);
            QCOMPARE(box.style, MessageStyle::Exclamation);
            QCOMPARE(box.parent, &w.window);
        }
        QCOMPARE(shownTitles, titles);
        QCOMPARE(shownPrompts, prompts);

        // AND no label changed, the program goes on and the window stays open
        QCOMPARE(w.everyCaption(), before);
        QVERIFY(w.fakes.programEnd.endings.isEmpty());
        QVERIFY(w.window.isVisible());

        // AND once the lists are chosen the same window gives its answer
        QVERIFY(w.chooseEvent("March", "15", "5", "40"));
        w.tellMeNow();
        QCOMPARE(w.caption("FinalCalculation"),
                 QString("It is 0 Months, -9 Days, 2 hours, and 20 minutes until Spring Fair at "
                         "Town Hall."));
    }

    void aClickBeforeTheFirstTick_asksToTryAgain()
    {
        // GIVEN a window that has just opened, the event chosen
        Window w;
        QVERIFY(w.chooseEvent("March", "15", "5", "40"));
        w.type("Spring Fair", "Town Hall");
        const auto before = w.everyCaption();

        // WHEN the user presses "TELL ME NOW!" before the clock panel has ticked
        w.tellMeNow();

        // THEN one message says the time is not known yet, and nothing else happens
        QCOMPARE(w.fakes.messages.shown.size(), 1);
        const auto &box = w.fakes.messages.shown.first();
        QCOMPARE(box.title, QString("Velmora"));
        QCOMPARE(box.prompt,
                 QString("The current time is not known yet. Please try again in a moment."));
        QCOMPARE(box.style, MessageStyle::Exclamation);
        QCOMPARE(w.everyCaption(), before);
        QVERIFY(w.fakes.programEnd.endings.isEmpty());
        QVERIFY(w.window.isVisible());

        // AND after the first tick the same click gives the answer
        w.tickAt(at(2026, 3, 7, 15, 20));
        w.tellMeNow();
        QCOMPARE(w.caption("FinalCalculation"),
                 QString("It is 0 Months, -9 Days, 2 hours, and 20 minutes until Spring Fair at "
                         "Town Hall."));
    }

    void anEmptyInputBeforeTheFirstTick_onlyWarns()
    {
        // GIVEN a window that has just opened, nothing chosen
        Window w;
        const auto before = w.everyCaption();

        // WHEN the user presses "TELL ME NOW!"
        w.tellMeNow();

        // THEN the four warnings are all the user sees; the missing input comes first
        QCOMPARE(w.fakes.messages.shown.size(), 4);
        QCOMPARE(w.fakes.messages.shown.last().title, QString("ERROR 004!   NO MINUTE SPECIFIED!"));
        QCOMPARE(w.everyCaption(), before);
        QVERIFY(w.fakes.programEnd.endings.isEmpty());
    }

    void aLongPasteIsKeptWholeAndAnsweredAtOnce()
    {
        // GIVEN a ticking panel, a chosen event, and 100,000 characters pasted into each box
        Window w;
        w.tickAt(at(2026, 3, 7, 15, 20));
        QVERIFY(w.chooseEvent("March", "15", "5", "40"));
        QString band;
        for (int i = 0; band.size() < 100000; ++i)
            band += QStringLiteral("Band %1, ").arg(i);
        band.truncate(100000);
        const QString where = QString(100000, u'w');
        QElapsedTimer elapsed;
        elapsed.start();
        const std::pair<const char *, QString> pastes[] { { "BandInput", band },
                                                          { "WhereInput", where } };
        for (const auto &[box, text] : pastes) {
            QApplication::clipboard()->setText(text);
            w.control<QLineEdit>(box)->paste();
        }

        // WHEN the user presses "TELL ME NOW!" and the window is drawn
        w.tellMeNow();
        w.window.repaint();

        // THEN every character is in the sentence, and the window answered in good time
        QCOMPARE(w.control<QLineEdit>("BandInput")->text().size(), 100000);
        QCOMPARE(w.caption("FinalCalculation"),
                 "It is 0 Months, -9 Days, 2 hours, and 20 minutes until " + band + " at " + where
                     + ".");
        QVERIFY2(elapsed.elapsed() < 10000, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(w.fakes.messages.shown.isEmpty());
    }

    void everyChoiceAtEveryKindOfMoment()
    {
        // GIVEN a spread of present times: each month, its first and last day (a leap February
        // included), each hour, minutes 0, 9, 10 and 59
        QList<QDateTime> moments;
        for (int month = 1; month <= 12; ++month) {
            for (const QDate &date : { QDate(2027, month, 1), QDate(2028, month, 1).addMonths(1).addDays(-1) })
                for (int hour = 0; hour < 24; ++hour)
                    for (int minute : { 0, 9, 10, 59 })
                        moments.append(QDateTime(date, QTime(hour, minute), Qt::UTC));
        }
        QCOMPARE(moments.size(), 2304);

        // AND every combination of the four lists, met in a scrambled order, four times over, so
        // that each combination meets four different moments and every moment many combinations
        struct Choice { int month; int day; int hour; int minute; };
        QList<Choice> choices;
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day)
                for (int hour = 1; hour <= 12; ++hour)
                    for (int minute = 0; minute <= 50; minute += 10)
                        choices.append({ month, day, hour, minute });
        QCOMPARE(choices.size(), 26784);
        std::shuffle(choices.begin(), choices.end(), std::mt19937(20261207));

        Window w;
        w.type("Spring Fair", "Town Hall");
        auto *endMonth = w.control<QComboBox>("EndMonth");
        auto *endDay = w.control<QComboBox>("EndDay");
        auto *endHour = w.control<QComboBox>("EndHour");
        auto *endMinute = w.control<QComboBox>("EndMinute");
        const QLabel *answer = w.control<QLabel>("FinalCalculation");
        const QLabel *endMon = w.control<QLabel>("EndMon");
        const QLabel *endDays = w.control<QLabel>("EndDays");
        const QLabel *finalHours = w.control<QLabel>("FinalHours");
        const QLabel *finalMinutes = w.control<QLabel>("FinalMinutes");
        // Whole numbers in plain decimal: no sign on zero, no leading zero, point or exponent.
        const QString number = QStringLiteral("(0|-?[1-9][0-9]*)");
        const QRegularExpression sentence(
            "^It is " + number + " Months, " + number + " Days, " + number + " hours, and "
            + number + " minutes until Spring Fair at Town Hall\\.$");
        // The figures' ranges: months 1-12 less 1-12; days 1-31 plus 1-31 less 28-31; hours 1-12
        // less 0-12; minutes 10-60 less 0-59, a negative one put right by 60.
        const auto within = [](const QString &figure, int low, int high) {
            const int value = figure.toInt();
            return value >= low && value <= high;
        };

        const int passes = 4;
        for (qsizetype step = 0; step < passes * choices.size(); ++step) {
            const Choice &choice = choices[step % choices.size()];
            const qsizetype pass = step / choices.size();
            const QDateTime &now = moments[(step + pass * 577) % moments.size()];

            // WHEN the panel ticks at that moment and the user asks about that choice
            w.tickAt(now);
            endMonth->setCurrentIndex(choice.month - 1);
            endDay->setCurrentIndex(choice.day - 1);
            endHour->setCurrentIndex(choice.hour - 1);
            endMinute->setCurrentIndex(choice.minute / 10);
            w.tellMeNow();

            // THEN the sentence quotes the working labels, whole numbers within their ranges
            const QRegularExpressionMatch match = sentence.match(answer->text());
            const bool right = match.hasMatch() && match.captured(1) == endMon->text()
                && match.captured(2) == endDays->text() && match.captured(3) == finalHours->text()
                && match.captured(4) == finalMinutes->text() && within(match.captured(1), -11, 11)
                && within(match.captured(2), -30, 34) && within(match.captured(3), -11, 12)
                && within(match.captured(4), 0, 60);
            if (!right) {
                QFAIL(qPrintable(QString("%1 %2, %3:%4 asked at %5: got \"%6\"")
                                     .arg(endMonth->currentText(), endDay->currentText(),
                                          endHour->currentText(), endMinute->currentText(),
                                          now.toString(Qt::ISODate), answer->text())));
            }
        }

        // AND nothing ever stopped or interrupted the program
        QVERIFY(w.fakes.messages.shown.isEmpty());
        QVERIFY(w.fakes.programEnd.endings.isEmpty());
    }
};

PROGRAM_TEST_MAIN(CalculationTest, "Velmora", velmoraCaptions)

#include "tst_calculation.moc"
