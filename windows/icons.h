#pragma once

#include <QIcon>

class QAbstractButton;

// The program's button pictures (drawn for it, in resources/images/icons).
QIcon programIcon(const char *name);
void setButtonIcon(QAbstractButton *button, const char *name);

// The program's look: one style sheet over every window.
QString programStyleSheet();
