#include "errorreport.h"

#include "engineerror.h"
#include "prompts.h"

#include <exception>

QString applicationTitle()
{
    return QStringLiteral("Tavrin医药标价签条码打印软件V2.0");
}

QString supportContacts()
{
    return QStringLiteral("技术支持：400-000-0000");
}

QString errorReportText(const QString &error)
{
    if (!error.isEmpty() && error.back() > QLatin1Char('.'))
        return error + QLatin1Char('.');
    return error;
}

void reportError(const QString &error)
{
    Prompts::current().message(applicationTitle(), errorReportText(error), Prompts::Icon::Error);
}

void guard(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const EngineError &e) {
        reportError(e.text());
    } catch (const std::exception &e) {
        reportError(QString::fromLocal8Bit(e.what()));
    }
}
