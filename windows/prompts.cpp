#include "prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Exclamation: return QMessageBox::Warning;
    case Prompts::Icon::Error: return QMessageBox::Critical;
    case Prompts::Icon::Question: return QMessageBox::Question;
    case Prompts::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

class MessageBoxPrompts : public Prompts {
public:
    void message(const QString &caption, const QString &text, Icon icon) override
    {
        QMessageBox box(boxIcon(icon), caption, lines(text), QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }

    bool question(const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, caption, lines(text), QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        return box.exec() == QMessageBox::Yes;
    }

private:
    static QString lines(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }
};

MessageBoxPrompts messageBoxes;
Prompts *installed = &messageBoxes;

} // namespace

Prompts &Prompts::current()
{
    return *installed;
}

void Prompts::install(Prompts *prompts)
{
    installed = prompts ? prompts : &messageBoxes;
}
