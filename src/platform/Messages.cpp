#include "platform/Messages.h"

#include <cstdio>

namespace {

class StandardErrorPresenter final : public MessagePresenter {
public:
    MessageAnswer Present(const Message& message) override
    {
        std::fprintf(stderr, "%s\n", message.text.c_str());
        switch (message.buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
        }
        return MessageAnswer::Cancel;
    }
};

StandardErrorPresenter standardErrorPresenter;
MessagePresenter* installed = nullptr;

} // namespace

MessagePresenter* InstallMessagePresenter(MessagePresenter* presenter)
{
    MessagePresenter* previous = installed;
    installed = presenter;
    return previous;
}

MessageAnswer ShowMessage(MessageIcon icon, std::string_view text, MessageButtons buttons,
                          std::string_view caption)
{
    const Message message{icon, std::string(caption), std::string(text), buttons};
    MessagePresenter* presenter = installed ? installed : &standardErrorPresenter;
    return presenter->Present(message);
}

MessageRecorder::MessageRecorder() : previous_(InstallMessagePresenter(this)) {}

MessageRecorder::~MessageRecorder() { InstallMessagePresenter(previous_); }

MessageAnswer MessageRecorder::Present(const Message& message)
{
    messages.push_back(message);
    if (message.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

std::string MessageRecorder::Texts() const
{
    std::string joined;
    for (const Message& message : messages) {
        if (!joined.empty())
            joined += " | ";
        joined += message.text;
    }
    return joined;
}
