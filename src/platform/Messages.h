#pragma once
// Every message box of the program goes through ShowMessage. The application
// installs a presenter that shows a real box; tests install a MessageRecorder;
// with none installed (qav-cli) the text goes to standard error.

#include <deque>
#include <string>
#include <string_view>
#include <vector>

enum class MessageIcon { Warning, Stop, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

inline constexpr std::string_view kApplicationCaption = "Qav";

struct Message {
    MessageIcon icon = MessageIcon::Information;
    std::string caption;  // UTF-8
    std::string text;     // UTF-8, "\n" separates the lines
    MessageButtons buttons = MessageButtons::Ok;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer Present(const Message& message) = 0;
};

// Returns the presenter that was installed before; nullptr restores the default.
MessagePresenter* InstallMessagePresenter(MessagePresenter* presenter);

MessageAnswer ShowMessage(MessageIcon icon, std::string_view text,
                          MessageButtons buttons = MessageButtons::Ok,
                          std::string_view caption = kApplicationCaption);

// Records the messages instead of showing them, for the whole of its lifetime.
// Questions are answered from `answers` in order, then with Cancel (or No).
class MessageRecorder final : public MessagePresenter {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    MessageAnswer Present(const Message& message) override;

    // Text of the single message recorded so far, or "" when there is none;
    // several messages give all their texts joined by " | ".
    std::string Texts() const;
    void Clear() { messages.clear(); }

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;

private:
    MessagePresenter* previous_;
};
