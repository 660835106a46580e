#include "velmorawindowtest.h"

void VelmoraWindowTest::init()
{
    m_fakes = std::make_unique<FakeServices>(QStringLiteral("Velmora"));
    m_velmo = new Velmo(m_fakes->services());
    m_velmo->setAttribute(Qt::WA_DeleteOnClose);
    m_velmo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_velmo));
}

void VelmoraWindowTest::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    // Closed windows delete themselves on the next turn of the event loop.
    QTRY_VERIFY(openWindows<QWidget>().isEmpty() && m_velmo.isNull());
    m_fakes.reset();
}
