#pragma once

#include <QString>

// Every message box of the program goes through here, so that tests can answer them.
class Prompts {
public:
    enum class Icon { None, Information, Exclamation, Error, Question };

    virtual ~Prompts() = default;
    // A message with an OK button. A "\r" in the text is a line break.
    virtual void message(const QString &caption, const QString &text, Icon icon) = 0;
    // A question with Yes and No and the question icon; true on Yes.
    virtual bool question(const QString &caption, const QString &text) = 0;

    static Prompts &current();
    static void install(Prompts *prompts);   // nullptr restores the message boxes
};
