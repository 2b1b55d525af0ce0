#pragma once

#include <QDialog>
#include <functional>

// Runs `action`, which opens `window` modally, and `whileOpen` inside the window's own
// event loop; the window is closed afterwards if `whileOpen` left it open. Returns whether
// the window was shown at all.
bool whileModal(QDialog &window, const std::function<void()> &action, const std::function<void()> &whileOpen);

// Runs the application's own event loop with `script` as its first step, as the program
// does, and returns its exit code once the program ends on its own; gives up with -1
// after `limitMs` (the program did not end).
int runProgramLoop(const std::function<void()> &script, int limitMs = 20000);

// Types text into a widget as the operator does: Latin keys as key clicks, anything else
// as the input method hands it over (a committed string).
void typeText(QWidget *widget, const QString &text);
