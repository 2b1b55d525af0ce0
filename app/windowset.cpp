#include "windowset.h"

#include "about.h"
#include "bqdy.h"
#include "epass.h"
#include "errorreport.h"
#include "fonts.h"
#include "icons.h"
#include "login.h"
#include "sp.h"
#include "wzdsp.h"

#include <QApplication>
#include <QStyleFactory>

WindowSet::WindowSet(const QString &programDir)
    : m_login(std::make_unique<TloginForm>()),
      m_main(new TbqForm(programDir, m_login.get())),
      m_notFound(new Twzdform(m_main->cnn(), m_main)),
      m_about(new TabForm(m_main)),
      m_accounts(new TepassForm(m_main->cnn(), [this] { return m_login->currentUser(); }, m_main)),
      m_catalogue(new TSpForm(m_main->cnn(), m_main))
{
    m_login->attach(m_main, m_accounts);
    m_main->attach(m_login.get(), m_notFound, m_about, m_accounts, m_catalogue);
}

WindowSet::~WindowSet() = default;

void prepareApplication()
{
    QApplication::setApplicationName(applicationTitle());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    registerFontSubstitutes();
    qApp->setStyleSheet(programStyleSheet());
}
