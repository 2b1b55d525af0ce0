#pragma once

#include <QString>

class Query;

// The login check against usertable, without the window.
struct LoginResult {
    enum class Outcome {
        EmptyUser,        // nothing typed in the user box
        UnknownUser,      // no account of that name
        WrongPassword,    // the account has a password, and this is not it
        PasswordNotEmpty, // the account has no password, and something was typed
        Success,
    };
    Outcome outcome;
    QString role;         // 权限 of the account, on success
};

// userqry gets "select * from usertable where 用户=:yh" with the name as typed.
LoginResult checkLogin(Query &userqry, const QString &user, const QString &password);

// Leading and trailing blanks and control characters removed.
QString trimBlanks(const QString &text);
