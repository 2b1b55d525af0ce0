#include "epass.h"
#include "ui_epass.h"

#include "windowfonts.h"

#include <QPushButton>
#include <QShowEvent>

TepassForm::TepassForm(QWidget *parent) : ModalWindow(parent), m_ui(new Ui::TepassForm)
{
    m_ui->setupUi(this);
    setFixedSize(size());
    setWindowFont(this, QStringLiteral("新宋体"), 15);
    // Keeping the accounts comes with its own work; until then nothing here pretends to.
    for (QPushButton *button : {m_ui->addbtn, m_ui->BitBtn2, m_ui->BitBtn3, m_ui->delbtn})
        button->setEnabled(false);
    connect(m_ui->BitBtn5, &QPushButton::clicked, this, &QWidget::close);
}

TepassForm::~TepassForm() = default;

void TepassForm::setAdministratorControlsVisible(bool visible)
{
    for (QWidget *control : {static_cast<QWidget *>(m_ui->zwedit), static_cast<QWidget *>(m_ui->qxedit),
                             static_cast<QWidget *>(m_ui->zwlab), static_cast<QWidget *>(m_ui->qxlab),
                             static_cast<QWidget *>(m_ui->addbtn), static_cast<QWidget *>(m_ui->delbtn)})
        control->setVisible(visible);
}

void TepassForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (!event->spontaneous())
        centreOnDesktop();
}
