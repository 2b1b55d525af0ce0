#include "login.h"
#include "ui_login.h"

#include "bqdy.h"
#include "epass.h"
#include "errorreport.h"
#include "icons.h"
#include "windowfonts.h"
#include "logincheck.h"
#include "prompts.h"
#include "query.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TloginForm::TloginForm(QWidget *parent) : ModalWindow(parent), m_ui(new Ui::TloginForm)
{
    m_ui->setupUi(this);
    // No system menu: the window is left only through its two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size());
    setWindowFont(this, QStringLiteral("华文细黑"), 15);
    setWindowFont(m_ui->dlbtn, QStringLiteral("宋体"), 15);
    setWindowFont(m_ui->BitBtn2, QStringLiteral("宋体"), 15);
    setButtonIcon(m_ui->dlbtn, "login");
    setButtonIcon(m_ui->BitBtn2, "close");
    QFont edition = windowFont(QStringLiteral("华文细黑"), 19);
    edition.setBold(true);
    edition.setItalic(true);
    for (QLabel *label : {m_ui->Label3, m_ui->Label4}) {
        label->setFont(edition);
        label->setStyleSheet(QStringLiteral("color: teal; background: transparent;"));
    }
    m_ui->Label1->setStyleSheet(QStringLiteral("background: transparent;"));
    m_ui->Label2->setStyleSheet(QStringLiteral("background: transparent;"));
    m_ui->UID->setEditText(QStringLiteral("Admin"));

    auto panel = [this](const QString &text, int width, Qt::Alignment alignment) {
        auto *label = new QLabel(text, m_ui->StatusBar1);
        label->setMinimumWidth(width);
        label->setAlignment(alignment);
        m_ui->StatusBar1->addWidget(label, alignment == Qt::AlignCenter ? 0 : 1); // the last runs to the end
    };
    panel(QStringLiteral("Tavrin软件"), 100, Qt::AlignCenter);
    panel(supportContacts(), 230, Qt::AlignCenter);
    panel(QStringLiteral("初始密码为空"), 50, Qt::AlignLeft | Qt::AlignVCenter);

    m_ui->UID->lineEdit()->installEventFilter(this);
    m_ui->upass->installEventFilter(this);
    connect(m_ui->dlbtn, &QPushButton::clicked, this, [this] { guard([this] { dlbtnClick(); }); });
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, &QWidget::close);
}

TloginForm::~TloginForm() = default;

void TloginForm::attach(TbqForm *main, TepassForm *accounts)
{
    m_main = main;
    m_accounts = accounts;
    m_userqry = std::make_unique<Query>(main->cnn());
    m_userqry->setSql(QStringLiteral("select * from usertable"));
    m_q2 = std::make_unique<Query>(main->cnn());
}

QString TloginForm::currentUser() const
{
    return m_ui->UID->currentText();
}

void TloginForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    if (!event->spontaneous()) {
        centreOnDesktop();
        m_ui->dlbtn->setFocus();
        guard([this] { fillUserList(); });
        guard([this] { m_userqry->open(); }); // the window's activation
    }
}

bool TloginForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_ui->UID->lineEdit())
                m_ui->upass->setFocus();
            else if (watched == m_ui->upass)
                m_ui->dlbtn->setFocus();
            return true;
        }
    }
    return ModalWindow::eventFilter(watched, event);
}

void TloginForm::fillUserList()
{
    m_q2->close();
    m_q2->clearSql();
    m_q2->addSql(QStringLiteral("SELECT distinct 用户 FROM usertable order by 用户"));
    m_q2->open();
    const QString typed = m_ui->UID->currentText(); // the edit part keeps its text
    m_ui->UID->clear();
    for (m_q2->first(); !m_q2->eof(); m_q2->next())
        m_ui->UID->addItem(m_q2->text(QStringLiteral("用户")));
    m_ui->UID->setEditText(typed);
}

void TloginForm::warn(const QString &text, QWidget *focus)
{
    focus->setFocus();
    Prompts::current().message(QStringLiteral("信息"), text, Prompts::Icon::Exclamation);
}

void TloginForm::dlbtnClick()
{
    const LoginResult result = checkLogin(*m_userqry, m_ui->UID->currentText(), m_ui->upass->text());
    switch (result.outcome) {
    case LoginResult::Outcome::EmptyUser:
        warn(QStringLiteral("请先选择或者输入用户ID!"), m_ui->UID);
        return;
    case LoginResult::Outcome::UnknownUser:
        warn(QStringLiteral("用户不存在，请重新选择或输入！"), m_ui->UID);
        return;
    case LoginResult::Outcome::WrongPassword:
        warn(QStringLiteral("密码不正确,请重新输入!"), m_ui->upass);
        return;
    case LoginResult::Outcome::PasswordNotEmpty:
        warn(QStringLiteral("用户或密码不正确,请重新输入!"), m_ui->upass);
        return;
    case LoginResult::Outcome::Success:
        break;
    }
    m_accounts->setAdministratorControlsVisible(result.role == QStringLiteral("管理"));
    // The login window stays behind the main window with what was typed.
    m_main->exec();
}
