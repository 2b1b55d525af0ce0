#pragma once

#include <QString>

// The system shell's open operation: a program named as the program was written for
// Windows ("WINWORD.EXE" with a document, "iexplore.exe" with an address) is started with
// its parameter. Here the desktop's own handler opens a document found in the current
// working directory, and the web browser an address. The result is not looked at.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QString &program, const QString &parameter) = 0;

    static Shell &current();
    static void install(Shell *shell);   // nullptr restores the desktop's shell
};
