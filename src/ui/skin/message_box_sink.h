#pragma once
// Messages for the user shown as message boxes, parented to a window.

#include "settings/message_sink.h"

class QWidget;

namespace pelmora {

class MessageBoxSink final : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void showMessage(std::string_view text, std::string_view caption) override;

private:
    QWidget* parent_;
};

} // namespace pelmora
