#pragma once

#include <QString>
#include <memory>

class TabForm;
class TbqForm;
class TepassForm;
class TloginForm;
class TSpForm;
class Twzdform;

// The program's six windows, created in their fixed order and kept for the whole run.
// Creating the main window opens the database. The login window is the lead window: the
// program runs while it is open.
class WindowSet {
public:
    explicit WindowSet(const QString &programDir);
    ~WindowSet();

    TloginForm &login() const { return *m_login; }
    TbqForm &main() const { return *m_main; }
    Twzdform &notFound() const { return *m_notFound; }
    TabForm &about() const { return *m_about; }
    TepassForm &accounts() const { return *m_accounts; }
    TSpForm &catalogue() const { return *m_catalogue; }

private:
    std::unique_ptr<TloginForm> m_login;   // owns the others, through Qt's parents
    TbqForm *m_main;
    Twzdform *m_notFound;
    TabForm *m_about;
    TepassForm *m_accounts;
    TSpForm *m_catalogue;
};

// Application-wide settings made once before any window: style, fonts, title.
void prepareApplication();
