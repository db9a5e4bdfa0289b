#pragma once
// Messages of the core as message boxes with their caption and an OK button.

#include "settings/message_sink.h"

namespace pelmora {

class QtMessageSink final : public MessageSink {
public:
    void showMessage(std::string_view text, std::string_view caption) override;
};

} // namespace pelmora
