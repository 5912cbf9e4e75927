#pragma once
// Shows the program's messages as real message boxes, over the active window.

#include "platform/Messages.h"

class QtMessagePresenter final : public MessagePresenter {
public:
    MessageAnswer Present(const Message& message) override;
};
