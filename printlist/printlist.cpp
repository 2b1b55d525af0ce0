#include "printlist.h"

#include "connection.h"
#include "goodssearch.h"
#include "query.h"

PrintList::PrintList(Connection &cnn, Query &bqqry, Query &wzdqry, PrintListWindow &window)
    : m_cnn(cnn), m_bqqry(bqqry), m_wzdqry(wzdqry), m_window(window),
      m_sqry(std::make_unique<Query>(cnn)), m_s2qry(std::make_unique<Query>(cnn)), m_wqry(std::make_unique<Query>(cnn))
{
}

PrintList::~PrintList() = default;

// The five-field lookup. Any matching row is the "first" one (no order is asked for), so
// a scanned barcode is looked up exactly first, then through the search index, and only
// then by a scan over the whole catalogue.
bool PrintList::lookUpText(const QString &text)
{
    m_sqry->close();
    m_sqry->setSql(GoodsSearch::exactMatchSql());
    m_sqry->setParameter(QStringLiteral("t"), text);
    m_sqry->open();
    if (!m_sqry->isEmpty())
        return true;

    const GoodsSearch search(text, printListSearchFields());
    m_sqry->close();
    m_sqry->setSql(search.firstMatchSql());
    m_sqry->setParameter(QStringLiteral("p"), search.likePattern());
    if (search.canUseIndex())
        m_sqry->setParameter(QStringLiteral("m"), search.matchExpression());
    m_sqry->open();
    return !m_sqry->isEmpty();
}

void PrintList::addFromText(const QString &text)
{
    if (lookUpText(text))
        AddGoodsToList();
    else
        RecordNotFound(text);
}

void PrintList::AddFromScanBox()
{
    addFromText(m_window.scanBoxText());
    m_window.clearScanBox();
    ReloadPrintList();
    m_window.focusScanBox();
}

void PrintList::AddFromQueryBox()
{
    addFromText(m_window.queryBoxText());
    m_window.clearQueryBox();
    ReloadPrintList();
    m_window.focusQueryBox();
}

void PrintList::AddFromPickList(const QVariant &code)
{
    m_sqry->close();
    m_sqry->clearSql();
    m_sqry->addSql(QStringLiteral("SELECT * FROM sp"));
    m_sqry->addSql(QStringLiteral("where (药品编号 like :bh) "));
    m_sqry->setParameter(QStringLiteral("bh"), code); // no wildcards: that code; Null matches nothing
    m_sqry->open();
    if (!m_sqry->isEmpty())
        AddGoodsToList();
    ReloadPrintList();
    m_window.clearQueryBox();
    m_window.hidePickList();
}

void PrintList::AddGoodsToList()
{
    Query &found = *m_sqry;
    const std::pair<const char *, PrintListWindow::DetailBox> details[] = {
        {"药品全名", PrintListWindow::DetailBox::Name},   {"供应商", PrintListWindow::DetailBox::Supplier},
        {"生产厂家", PrintListWindow::DetailBox::Maker},  {"规格", PrintListWindow::DetailBox::Specification},
        {"售价", PrintListWindow::DetailBox::Price},
    };
    for (const auto &[field, box] : details) {
        const QString name = QString::fromUtf8(field);
        if (!found.value(name).isNull()) // a Null field leaves what the box showed before
            m_window.setDetailBox(box, found.text(name));
    }

    m_s2qry->close();
    m_s2qry->setSql(QStringLiteral("select * from bqdy where (药品编号=:stm)"));
    m_s2qry->setParameter(QStringLiteral("stm"), found.value(QStringLiteral("药品编号")));
    m_s2qry->open();
    if (!m_s2qry->isEmpty()) {
        m_wqry->clearSql();
        m_wqry->addSql(QStringLiteral("UPDATE bqdy SET bqdy.份数 =iif(bqdy.份数 is null,0,bqdy.份数)+1"));
        m_wqry->addSql(QStringLiteral(" WHERE (bqdy.药品编号=:bh) "));
        m_wqry->setParameter(QStringLiteral("bh"), m_s2qry->value(QStringLiteral("药品编号")));
        m_wqry->execSql();
        return;
    }
    m_bqqry.append();
    m_bqqry.setValue(QStringLiteral("选择"), true);
    for (const char *field : {"药品编号", "药品全名", "供应商", "规格", "生产厂家", "条形码", "单位", "售价"}) {
        const QString name = QString::fromUtf8(field);
        m_bqqry.setValue(name, found.value(name));
    }
    m_bqqry.setValue(QStringLiteral("份数"), 1);
    m_bqqry.commit();
}

void PrintList::RecordNotFound(const QString &text)
{
    m_wzdqry.open();
    m_wzdqry.append();
    m_wzdqry.setValue(QStringLiteral("条码"), text);
    m_wzdqry.commit();
}

void PrintList::SelectAll()
{
    m_sqry->close();
    m_sqry->setSql(QStringLiteral("UPDATE bqdy SET 选择 = 1"));
    m_sqry->execSql();
}

void PrintList::ClearSelection()
{
    m_sqry->close();
    m_sqry->setSql(QStringLiteral("UPDATE bqdy SET 选择 =0 "));
    m_sqry->execSql();
}

void PrintList::DeleteCurrentRow()
{
    if (!m_window.confirm(QStringLiteral("您是否确定要删除这笔记录吗?")))
        return;
    if (m_bqqry.isEmpty())
        return; // nothing to delete on an empty list
    m_bqqry.deleteRow();
    m_bqqry.commit();
}

void PrintList::DeleteAllRows()
{
    if (!m_window.confirm(QStringLiteral("您是否确定要删除所有记录吗?")))
        return;
    m_sqry->close();
    m_sqry->setSql(QStringLiteral("delete * from bqdy"));
    m_sqry->execSql();
    ReloadPrintList();
}

void PrintList::ReloadPrintList()
{
    m_bqqry.close();
    m_bqqry.open();
}
