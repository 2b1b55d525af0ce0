#include "login.h"
#include "windowset.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    WindowSet windows(QDir(QCoreApplication::applicationDirPath()).absolutePath() + QDir::separator());
    windows.login().show();
    return app.exec();
}
