#pragma once

#include "prompts.h"

#include <QList>
#include <QString>

// Stands in for the message boxes while installed: records what was shown and answers
// questions from a script.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        QString caption;
        QString text;
        Icon icon;
    };

    ScriptedPrompts() { Prompts::install(this); }
    ~ScriptedPrompts() override { Prompts::install(nullptr); }

    void answerNext(bool yes) { m_answers << yes; }
    QList<Shown> shown;
    QStringList texts() const;

    void message(const QString &caption, const QString &text, Icon icon) override;
    bool question(const QString &caption, const QString &text) override;

private:
    QList<bool> m_answers;
};
