#pragma once

#include "velmoracaptions.h"
#include "wizardcaptions.h"

#include <QApplication>
#include <QRect>
#include <QString>
#include <QTest>

// Makes every test run alike on every machine: offscreen, Fusion style, C locale, no desktop
// settings, and the programs' own fonts, identity and captions.
void prepareTestApplication(QApplication &app, const QString &programTitle,
                            std::span<const CaptionSample> widestCaptions);

// A rectangle given in twips, as the forms are designed, in the device-independent pixels the
// widgets use (15 twips make one pixel).
QRect twips(int left, int top, int width, int height);

#define PROGRAM_TEST_MAIN(TestObject, programTitle, widestCaptions)                                                \
    int main(int argc, char *argv[])                                                              \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication::setDesktopSettingsAware(false);                                              \
        QApplication app(argc, argv);                                                              \
        prepareTestApplication(app, QStringLiteral(programTitle), widestCaptions);                                 \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
