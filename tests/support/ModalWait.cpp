#include "ModalWait.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

void whenModalOpen(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = nullptr;
        QVERIFY(QTest::qWaitFor([&modal] {
            modal = QApplication::activeModalWidget();
            return modal != nullptr && modal->isVisible();
        }));
        act(modal);
    });
}
