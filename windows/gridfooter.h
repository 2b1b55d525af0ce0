#pragma once

#include <QWidget>
#include <functional>

class QTableView;

// A footer row under a grid: one text per column, kept under the column as it is
// resized or scrolled.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    using Texts = std::function<QString(int column)>;

    GridFooter(QTableView *grid, Texts texts, QWidget *parent = nullptr);

    QString text(int column) const { return m_texts(column); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTableView *m_grid;
    Texts m_texts;
};
