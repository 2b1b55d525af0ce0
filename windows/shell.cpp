#include "shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

class DesktopShell : public Shell {
public:
    void open(const QString &program, const QString &parameter) override
    {
        if (program.compare(QLatin1String("iexplore.exe"), Qt::CaseInsensitive) == 0)
            QDesktopServices::openUrl(QUrl(parameter));
        else // a document handed to a word processor: relative to the working directory
            QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(parameter)));
    }
};

DesktopShell desktop;
Shell *installed = &desktop;

} // namespace

Shell &Shell::current()
{
    return *installed;
}

void Shell::install(Shell *shell)
{
    installed = shell ? shell : &desktop;
}
