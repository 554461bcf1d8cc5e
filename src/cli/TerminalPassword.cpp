#include "TerminalPassword.h"

#include <cstdio>
#include <string>

// Turning the echo off is a call of the platform's terminal interface (termios); it is kept
// to this file.
#include <termios.h>
#include <unistd.h>

std::optional<QString> askPasswordOnTerminal(const QString& prompt) {
    if (isatty(STDIN_FILENO) == 0) {
        return std::nullopt;
    }
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    termios saved{};
    const bool echoOff = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (echoOff) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= tcflag_t(ECHONL);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    bool ended = false;
    for (;;) {
        const int c = std::fgetc(stdin);
        if (c == EOF) {
            ended = line.empty();
            break;
        }
        if (c == '\n') {
            break;
        }
        line.push_back(char(c));
    }
    if (echoOff) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    }
    if (ended) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
}
