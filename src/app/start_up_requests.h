#pragma once
// Quit and activation requests (a signal, the tray's Exit, a second start)
// from the moment the program holds its single-instance lock. Until the
// window has finished starting (its first message boxes and read), a quit
// ends every event loop and the start-up, and an activation waits for the
// window; after it, both go to the window.

namespace pelmora {

class CTarvixDlg;

class StartUpRequests {
public:
    // The window that takes the requests once it exists.
    void setWindow(CTarvixDlg& window) { window_ = &window; }
    // Start-up has finished: activations go to the window from now on.
    void started() { started_ = true; }

    // A signal: the window's Exit (which finishes a running transfer), or,
    // before there is a window, the end of start-up.
    void quit();
    // Starting the program again.
    void activate();
    // The window's teardown is done: the program ends with `status`.
    void ended(int status);

    bool quitting() const { return quitting_; }
    bool activationPending() const { return activationPending_; }
    int status() const { return status_; }

private:
    CTarvixDlg* window_ = nullptr;
    bool started_ = false;
    bool quitting_ = false;
    bool activationPending_ = false;
    int status_ = 0;
};

} // namespace pelmora
