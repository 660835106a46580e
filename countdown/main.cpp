#include "runtime/application.h"
#include "runtime/applicationsetup.h"
#include "runtime/languages.h"
#include "programinfo.h"
#include "runtime/services.h"
#include "velmoracaptions.h"
#include "velmo.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    useUserLanguage(app);
    const QString title = QStringView(ProgramInfo::title).toString();
    setUpApplication(app, title, velmoraCaptions);
    QIcon icon;
    for (const int size : { 16, 32, 48 })
        icon.addFile(QStringLiteral(":/icons/velmora-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    SystemServices system(title);

    auto *window = new Velmo(system.services());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return QApplication::exec();
}
