#include "preparedfile.h"

#include "reporterror.h"
#include "reportfile.h"

#include <QDataStream>
#include <QIODevice>

namespace {

const quint32 magic = 0x42515050; // "BQPP"
const quint16 version = 1;

} // namespace

QByteArray PreparedFile::write(const PreparedReport &prepared)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << magic << version << ReportFile::write(prepared.report) << prepared.data.name << prepared.data.columns
        << prepared.data.rows;
    return bytes;
}

PreparedReport PreparedFile::read(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 fileMagic = 0;
    quint16 fileVersion = 0;
    in >> fileMagic >> fileVersion;
    if (fileMagic != magic || fileVersion != version)
        throw ReportError(QStringLiteral("不是本程序保存的报表文件"));
    QByteArray templateXml;
    DataRows data;
    in >> templateXml >> data.name >> data.columns >> data.rows;
    if (in.status() != QDataStream::Ok)
        throw ReportError(QStringLiteral("报表文件已损坏"));
    for (const auto &row : std::as_const(data.rows))
        if (row.size() != data.columns.size())
            throw ReportError(QStringLiteral("报表文件已损坏"));
    return prepareReport(ReportFile::read(templateXml), data);
}
