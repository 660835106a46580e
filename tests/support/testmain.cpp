#include "testmain.h"

#include "runtime/applicationsetup.h"

#include <QLocale>
#include <QStyleFactory>

void prepareTestApplication(QApplication &app, const QString &programTitle,
                            std::span<const CaptionSample> widestCaptions)
{
    QLocale::setDefault(QLocale::c());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setUpApplication(app, programTitle, widestCaptions);
}

QRect twips(int left, int top, int width, int height)
{
    return { left / 15, top / 15, width / 15, height / 15 };
}
