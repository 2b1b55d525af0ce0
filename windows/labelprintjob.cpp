#include "labelprintjob.h"

#include "engineerror.h"
#include "printlist.h"
#include "query.h"
#include "reportobject.h"
#include "valuetext.h"

LabelPrintJob::LabelPrintJob(Connection &cnn, Query &bqqry, Query &dyqry, PrintList &printList, ReportObject &bqprn)
    : m_bqqry(bqqry), m_dyqry(dyqry), m_printList(printList), m_bqprn(bqprn), m_sqry(std::make_unique<Query>(cnn))
{
}

LabelPrintJob::~LabelPrintJob() = default;

int copiesOf(const QVariant &value)
{
    bool whole = false;
    const int copies = valueText(value).toInt(&whole);
    if (!whole)
        throw EngineError(QStringLiteral("“%1”不是有效的整数值").arg(valueText(value)));
    return copies;
}

// What the operator just changed in the grid counts for the run; an empty list gains no
// row (a new row nobody typed into is dropped).
void LabelPrintJob::commitGridEdit()
{
    m_bqqry.edit();
    m_bqqry.commit();
}

void LabelPrintJob::run(bool directPrint)
{
    if (directPrint) {
        m_bqprn.prepare();
        m_bqprn.printOptions().showDialog = false;
        m_bqprn.setShowProgress(false); // stays off for the rest of the run of the program
        m_bqprn.print();
    } else {
        m_bqprn.showReport();
    }
}

void LabelPrintJob::PrintListA4(const QString &templatePath, bool directPrint)
{
    commitGridEdit();
    m_bqprn.loadFromFile(templatePath);
    m_dyqry.close();
    m_dyqry.setSql(QStringLiteral("SELECT * from bqdy order by id desc "));
    m_dyqry.open();
    run(directPrint);
}

void LabelPrintJob::PrintSelectedLabels(const QString &templatePath, const std::function<bool()> &directPrint)
{
    commitGridEdit();

    m_bqprn.loadFromFile(templatePath); // once for the whole run; a missing file prints empty

    m_sqry->close();
    m_sqry->setSql(QStringLiteral("SELECT * from bqdy where 选择=true order by id desc"));
    m_sqry->open();
    m_sqry->first();
    const int rows = m_sqry->recordCount();
    for (int i = 0; i < rows; ++i) {
        m_dyqry.close();
        m_dyqry.setSql(QStringLiteral("SELECT * from bqdy where id=:sid "));
        m_dyqry.setParameter(QStringLiteral("sid"), m_sqry->value(QStringLiteral("id")));
        m_dyqry.open();
        m_bqprn.printOptions().copies = copiesOf(m_dyqry.value(QStringLiteral("份数")));
        run(directPrint());
        m_sqry->next();
    }
    m_printList.ClearSelection();
    m_printList.ReloadPrintList();
}
