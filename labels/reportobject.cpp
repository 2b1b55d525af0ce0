#include "reportobject.h"

#include "engineerror.h"
#include "query.h"
#include "reportfile.h"
#include "reporterror.h"

#include <QFile>

ReportObject::ReportObject(ReportHost &host) : m_host(host)
{
}

bool ReportObject::loadFromFile(const QString &path)
{
    m_report = ReportModel::Report();
    m_fileName.clear();
    m_prepared = PreparedReport();
    QFile file(path);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly)) {
        m_host.engineMessage(QStringLiteral("不能打开模板文件“%1”：%2").arg(path, file.errorString()));
        return true;
    }
    m_fileName = path;
    try {
        m_report = ReportFile::read(file.readAll());
    } catch (const ReportError &e) {
        m_host.engineMessage(QStringLiteral("%1\n%2").arg(path, e.text()));
    }
    return true;
}

void ReportObject::setDataSet(const QString &name, Query *query)
{
    m_dataSetName = name;
    m_query = query;
}

DataRows ReportObject::readData()
{
    DataRows data;
    data.name = m_dataSetName;
    if (!m_query)
        return data;
    m_query->open(); // opened again by itself when a run finds it closed
    for (int c = 0; c < m_query->columnCount(); ++c)
        data.columns << m_query->columnName(c);
    for (int r = 0; r < m_query->recordCount(); ++r) {
        QVector<QVariant> row;
        for (int c = 0; c < m_query->columnCount(); ++c)
            row << m_query->valueAt(r, c);
        data.rows << row;
    }
    m_query->close();
    return data;
}

bool ReportObject::prepare()
{
    m_prepared = PreparedReport();
    m_prepared.report = m_report;
    try {
        m_prepared = prepareReport(m_report, readData());
        return true;
    } catch (const ReportError &e) {
        m_host.engineMessage(e.text());
    } catch (const EngineError &e) {
        m_host.engineMessage(e.text());
    }
    return false;
}

void ReportObject::print()
{
    m_host.print(m_prepared, m_report.printOptions, m_showProgress);
}

void ReportObject::showReport()
{
    prepare();
    m_host.preview(*this);
}
