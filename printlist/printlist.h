#pragma once

#include <QString>
#include <QVariant>

class Connection;
class Query;

// What the print-list operations reach of the window that shows the list: the barcode
// box, the search box with its pick list, the detail boxes and the confirmation prompt.
class PrintListWindow {
public:
    enum class DetailBox { Name, Supplier, Maker, Specification, Price }; // cp gy cj gg sj

    virtual ~PrintListWindow() = default;
    virtual QString scanBoxText() const = 0;               // lcp
    virtual void clearScanBox() = 0;
    virtual void focusScanBox() = 0;
    virtual QString queryBoxText() const = 0;              // sm
    virtual void clearQueryBox() = 0;                      // also runs the search box's change rule
    virtual void focusQueryBox() = 0;
    virtual void hidePickList() = 0;
    virtual void setDetailBox(DetailBox box, const QString &text) = 0;
    virtual bool confirm(const QString &question) = 0;     // "信息", question icon, Yes/No
};

// The operations that change the print list (bqdy): adding goods by scan, search or pick,
// recording texts that matched nothing, ticking every row or none, deleting rows and
// reloading the list. Every statement runs on the window's connection; an error ends the
// operation where it happens, and what was saved before stays saved.
class PrintList {
public:
    PrintList(Connection &cnn, Query &bqqry, Query &wzdqry, PrintListWindow &window);
    ~PrintList();

    void AddFromScanBox();
    void AddFromQueryBox();
    void AddFromPickList(const QVariant &code);   // 药品编号 of the pick list's current row
    void SelectAll();
    void ClearSelection();
    void DeleteCurrentRow();
    void DeleteAllRows();
    void ReloadPrintList();

private:
    bool lookUpText(const QString &text);         // into sqry; true when a row matched
    void AddGoodsToList();                        // from sqry's current row
    void RecordNotFound(const QString &text);
    void addFromText(const QString &text);

    Connection &m_cnn;
    Query &m_bqqry;
    Query &m_wzdqry;
    PrintListWindow &m_window;
    std::unique_ptr<Query> m_sqry;
    std::unique_ptr<Query> m_s2qry;
    std::unique_ptr<Query> m_wqry;
};
