#pragma once
// A desktop connection that tells which application gains the focus. The
// program waits for its descriptor to become readable and then lets it read
// (X11 and wlroots compositors are asked directly; Plasma and GNOME push
// focus changes over the session bus instead).

#include "desktop/focus/focused_application.h"

#include <functional>
#include <utility>

namespace pelmora {

class FocusSource {
public:
    using Handler = std::function<void(const FocusedApplication&)>;

    virtual ~FocusSource() = default;
    // Readable when something arrived.
    virtual int fd() const = 0;
    // Reads what arrived, telling the handler of each focus change. False
    // when the connection is gone; the source is then of no further use.
    virtual bool dispatch() = 0;
    // Tells the application that has the focus now, when there is one.
    virtual void tellCurrent() = 0;

    void setHandler(Handler handler) { handler_ = std::move(handler); }

protected:
    void tell(const FocusedApplication& application) const {
        if (handler_ && !application.ids.empty()) {
            handler_(application);
        }
    }

private:
    Handler handler_;
};

} // namespace pelmora
