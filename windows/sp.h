#pragma once

#include "modalwindow.h"

#include <QScopedPointer>
#include <memory>

namespace Ui { class TSpForm; }
class Connection;
class Query;
class QueryTableModel;

// The goods catalogue: browsed, searched as the operator types, and kept by hand. Added,
// edited and deleted rows are held until "保存" or the closing of the window writes them.
class TSpForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TSpForm(Connection &cnn, QWidget *parent = nullptr);
    ~TSpForm() override;

    Query &spqry() const { return *m_spqry; }
    bool gridReadOnly() const { return m_readOnly; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void loceditChange();
    void BitBtn1Click();   // 增加
    void BitBtn2Click();   // 修改
    void BitBtn3Click();   // 保存
    void BitBtn4Click();   // 删除
    void BitBtn11Click();  // 全部删除
    void setReadOnly(bool readOnly);

    QScopedPointer<Ui::TSpForm> m_ui;
    std::unique_ptr<Query> m_spqry;
    std::unique_ptr<Query> m_sqry;
    QueryTableModel *m_model = nullptr;
    bool m_readOnly = true;
};
