#pragma once
// Messages for the user shown as message boxes, parented to a window.

#include "settings/message_sink.h"

class QWidget;

namespace pelmora {

class MessageBoxSink final : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    // The window the boxes belong to: compositors place them over it and
    // keep them out of the task bar.
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(std::string_view text, std::string_view caption) override;

private:
    QWidget* parent_;
};

} // namespace pelmora
