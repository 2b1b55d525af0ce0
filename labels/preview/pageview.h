#pragma once

#include <QWidget>

struct PreparedReport;

// The prepared pages one under the other at a zoom; 1.0 shows them at their true size.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget *parent = nullptr);

    void setReport(const PreparedReport *prepared);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    int pageTop(int page) const;      // in this widget's pixels
    int pageAt(int y) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double pixelsPerMm() const;

    const PreparedReport *m_prepared = nullptr;
    double m_zoom = 1.0;
};
