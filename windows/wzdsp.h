#pragma once

#include "modalwindow.h"

#include <QScopedPointer>
#include <memory>

namespace Ui { class Twzdform; }
class Connection;
class Query;
class QueryTableModel;

// The texts that were scanned or typed and matched no goods, newest first: the operator
// corrects one in place, deletes one or deletes them all.
class Twzdform : public ModalWindow {
    Q_OBJECT
public:
    explicit Twzdform(Connection &cnn, QWidget *parent = nullptr);
    ~Twzdform() override;

    Query &wzdqry() const { return *m_wzdqry; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void BitBtn2Click();   // 删除
    void BitBtn3Click();   // 删除所有

    QScopedPointer<Ui::Twzdform> m_ui;
    std::unique_ptr<Query> m_wzdqry;
    std::unique_ptr<Query> m_sqry;
    QueryTableModel *m_model = nullptr;
};
