#pragma once
// What the qav-cli commands share: the refusal of a wrong argument, and the
// Qt application some of them need, quiet on standard error.

#include <QString>
#include <cstdio>
#include <string>
#include <utility>

// A wrong argument: its French text goes to standard error, the status is 2.
class UsageError {
public:
    explicit UsageError(std::string text) : text_(std::move(text)) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Qt's own notices (a missing runtime folder and the like) are not the
// command's business: standard error carries only qav-cli's messages.
inline void KeepSeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// The program's arguments for a Qt application object: "qav-cli" alone.
struct QtArguments {
    int argc = 1;
    char name[8] = "qav-cli";
    char* argv[2] = {name, nullptr};
};
