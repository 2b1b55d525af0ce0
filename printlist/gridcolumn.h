#pragma once

#include <QString>
#include <Qt>

// One column of a grid: the field it shows, its title, width, alignment and whether the
// operator may edit it. An empty field makes a column the grid draws itself.
struct GridColumn {
    QString field;
    QString title;
    int width = 80;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool editable = false;
};
