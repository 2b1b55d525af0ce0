#include "modal.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QTimer>

bool whileModal(QDialog &window, const std::function<void()> &action, const std::function<void()> &whileOpen)
{
    bool shown = false;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, &window, [&] {
        if (!window.isVisible())
            return;
        timer.stop();
        shown = true;
        whileOpen();
        if (window.isVisible())
            window.close();
    });
    timer.start();
    action();
    timer.stop();
    return shown;
}

int runProgramLoop(const std::function<void()> &script, int limitMs)
{
    QTimer::singleShot(0, qApp, script);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, qApp, [] { QCoreApplication::exit(-1); });
    limit.start(limitMs);
    return QCoreApplication::exec();
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(widget, &commit);
        }
    }
}
