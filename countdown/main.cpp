#include "applicationsetup.h"
#include "services.h"
#include "velmo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app, QStringLiteral("Velmora"));
    SystemServices system(QStringLiteral("Velmora"));

    auto *window = new Velmo(system.services());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return QApplication::exec();
}
