// bq-makedb FOLDER: writes the delivered trfp.mdb and Security.mdw into FOLDER, each only
// when it is not there yet; an existing file is the operator's data and stays as it is.
#include "deliveredfiles.h"
#include "engineerror.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: bq-makedb FOLDER\n";
        return 2;
    }
    try {
        for (const QString &name : DeliveredFiles::createMissing(args.at(1)))
            QTextStream(stdout) << "created " << name << "\n";
    } catch (const EngineError &e) {
        err << "bq-makedb: " << e.text() << "\n";
        return 1;
    }
    return 0;
}
