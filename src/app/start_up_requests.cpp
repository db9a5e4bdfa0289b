#include "app/start_up_requests.h"

#include "app/ctarvix_dlg.h"

#include <QCoreApplication>

namespace pelmora {

void StartUpRequests::quit() {
    if (window_ != nullptr) {
        window_->onExit();
    } else {
        ended(0);
    }
}

void StartUpRequests::activate() {
    if (started_ && window_ != nullptr) {
        window_->activate();
    } else {
        activationPending_ = true;
    }
}

void StartUpRequests::ended(int status) {
    quitting_ = true;
    status_ = status;
    // Ends the message box that start-up may be waiting on; the main loop,
    // which has not started yet, is never entered then.
    QCoreApplication::exit(status);
}

} // namespace pelmora
