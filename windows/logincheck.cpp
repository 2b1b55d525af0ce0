#include "logincheck.h"

#include "query.h"

namespace {

// Only the Latin letters a to z become capitals.
QString latinUpper(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

} // namespace

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= ' ')
        --end;
    return text.mid(begin, end - begin);
}

LoginResult checkLogin(Query &userqry, const QString &user, const QString &password)
{
    if (user.isEmpty())
        return {LoginResult::Outcome::EmptyUser, {}};
    userqry.close();
    userqry.clearSql();
    userqry.addSql(QStringLiteral("select * from usertable where 用户=:yh"));
    userqry.setParameter(QStringLiteral("yh"), user);
    userqry.open();
    if (userqry.isEmpty())
        return {LoginResult::Outcome::UnknownUser, {}};

    const QVariant stored = userqry.value(QStringLiteral("密码"));
    const QString role = userqry.text(QStringLiteral("权限"));
    if (!stored.isNull()) {
        const bool sameUser = latinUpper(trimBlanks(userqry.text(QStringLiteral("用户")))) == latinUpper(trimBlanks(user));
        const bool samePassword = trimBlanks(stored.toString()) == trimBlanks(password);
        if (sameUser && samePassword)
            return {LoginResult::Outcome::Success, role};
        return {LoginResult::Outcome::WrongPassword, {}};
    }
    // An account without a password takes only an empty box; spaces are not empty here.
    if (password.isEmpty())
        return {LoginResult::Outcome::Success, role};
    return {LoginResult::Outcome::PasswordNotEmpty, {}};
}
