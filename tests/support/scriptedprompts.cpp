#include "scriptedprompts.h"

#include <QtGlobal>

QStringList ScriptedPrompts::texts() const
{
    QStringList out;
    for (const Shown &s : shown)
        out << s.text;
    return out;
}

void ScriptedPrompts::message(const QString &caption, const QString &text, Icon icon)
{
    shown << Shown{caption, text, icon};
}

bool ScriptedPrompts::question(const QString &caption, const QString &text)
{
    shown << Shown{caption, text, Icon::Question};
    if (m_answers.isEmpty())
        qFatal("a question was asked that the test did not expect: %s", qPrintable(text));
    return m_answers.takeFirst();
}
