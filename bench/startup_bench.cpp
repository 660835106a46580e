// Start-up time of Velmora: from process start to the main window shown and painted, against a
// bare QMainWindow of the same size with the same number of widgets, measured in the same run;
// and the first "TELL ME NOW!", which pays for what start-up leaves until it is needed.
//
// Usage: startup_bench [rounds] [--language <code>]   (runs itself as a child for every
// measurement; with a language, Velmora starts in it, its catalogues loaded as the program loads
// them)

#include "runtime/applicationsetup.h"
#include "fakeservices.h"
#include "runtime/languages.h"
#include "runtime/services.h"
#include "velmo.h"
#include "velmoracaptions.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Reports the first paint of a window, once it is done, and ends the child at once.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int runVelmora(int argc, char *argv[], const QString &language)
{
    QApplication app(argc, argv);
    if (!language.isEmpty())
        useLanguage(app, { language }, { QStringLiteral(CATALOGUE_FOLDER) });
    setUpApplication(app, QStringLiteral("Velmora"), velmoraCaptions);
    SystemServices system(QStringLiteral("Velmora"));
    FirstPaint firstPaint;
    auto *window = new Velmo(system.services());
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}

int runBaseline(int argc, char *argv[], int widgets, QSize size)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    auto *window = new QMainWindow;
    auto *central = new QWidget;
    window->setCentralWidget(central);
    window->menuBar()->addMenu(QStringLiteral("&Help"));
    for (int i = 0; i < widgets; ++i) {
        auto *label = new QLabel(QStringLiteral("Label%1").arg(i), central);
        label->setGeometry((i % 8) * 70, (i / 8) * 20, 68, 17);
    }
    window->resize(size);
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}

double timeChild(const QString &program, const QStringList &arguments)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    while (child.waitForReadyRead(30000)) {
        if (child.readAllStandardOutput().contains("painted"))
            break;
    }
    const double milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    if (child.exitCode() != 0) {
        std::fprintf(stderr, "child failed: %s\n", qPrintable(child.readAllStandardError()));
        std::exit(1);
    }
    return milliseconds;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (arguments.value(1) == QLatin1String("--velmora"))
        return runVelmora(argc, argv, arguments.value(2));
    if (arguments.value(1) == QLatin1String("--baseline"))
        return runBaseline(argc, argv, arguments.value(2).toInt(),
                           QSize(arguments.value(3).toInt(), arguments.value(4).toInt()));

    const qsizetype languageAt = arguments.indexOf(QStringLiteral("--language"));
    const QString language = languageAt > 0 ? arguments.value(languageAt + 1) : QString();
    const int rounds = std::max(
        3, (languageAt == 1 ? QStringLiteral("15") : arguments.value(1, QStringLiteral("15"))).toInt());
    int widgets = 0;
    QSize size;
    double firstAnswer = 0;
    double laterAnswer = 0;
    {
        // The baseline copies the window's size and widget count from the real thing.
        QApplication app(argc, argv);
        setUpApplication(app, QStringLiteral("Velmora"), velmoraCaptions);
        FakeServices fakes(QStringLiteral("Velmora"));
        Velmo velmo(fakes.services());
        widgets = static_cast<int>(velmo.findChildren<QWidget *>().size());
        size = velmo.size();

        // The first answer also chooses the answer's face, which start-up leaves to it.
        fakes.clock.set(QDateTime(QDate(2026, 3, 7), QTime(15, 20)));
        velmo.Timer1_Timer();
        velmo.findChild<QLineEdit *>(QStringLiteral("BandInput"))->setText(QStringLiteral("Fair"));
        velmo.findChild<QLineEdit *>(QStringLiteral("WhereInput"))->setText(QStringLiteral("Hall"));
        for (const char *list : { "EndMonth", "EndDay", "EndHour", "EndMinute" })
            velmo.findChild<QComboBox *>(QLatin1String(list))->setCurrentIndex(2);
        const auto answer = [&velmo](int minute) {
            velmo.findChild<QComboBox *>(QStringLiteral("EndMinute"))->setCurrentIndex(minute);
            QElapsedTimer clock;
            clock.start();
            velmo.Calculate_Click();
            return static_cast<double>(clock.nsecsElapsed()) / 1e6;
        };
        firstAnswer = answer(2);
        laterAnswer = answer(3);
    }

    const QString self = QString::fromLocal8Bit(argv[0]);
    const QStringList baselineArguments { QStringLiteral("--baseline"), QString::number(widgets),
                                          QString::number(size.width()),
                                          QString::number(size.height()) };
    std::vector<double> velmora;
    std::vector<double> baseline;
    const QStringList velmoraArguments { QStringLiteral("--velmora"), language };
    timeChild(self, velmoraArguments); // warm the file cache for both
    timeChild(self, baselineArguments);
    for (int round = 0; round < rounds; ++round) {
        velmora.push_back(timeChild(self, velmoraArguments));
        baseline.push_back(timeChild(self, baselineArguments));
    }

    const double ours = median(velmora);
    const double bare = median(baseline);
    std::printf("start-up to first paint, median of %d rounds (%d widgets, %dx%d%s%s):\n",
                rounds, widgets, size.width(), size.height(),
                language.isEmpty() ? "" : ", language ", qPrintable(language));
    std::printf("  Velmora      %8.2f ms\n", ours);
    std::printf("  bare window  %8.2f ms\n", bare);
    std::printf("  ratio        %8.3f  (target: at most 1.15)\n", ours / bare);
    std::printf("first \"TELL ME NOW!\" %.2f ms, a later one %.2f ms\n", firstAnswer,
                laterAnswer);
    return 0;
}
