// Pelmora: tells the running Pelmora which window KWin activated, so that
// its profiles can follow the focused application. Loaded by Pelmora itself
// through KWin's scripting interface and unloaded when it ends. It only
// passes the window's application id, title and process id to Pelmora's own
// bus method; Pelmora stores nothing but the ids its user chose.

function pelmoraFocused(window) {
    if (!window) {
        return;
    }
    // Plasma 6 names the app id desktopFileName as well; resourceClass is
    // the Wayland app id or the X11 class on both.
    callDBus("org.pelmora.Pelmora", "/org/pelmora/Pelmora", "org.pelmora.Pelmora1",
             "WindowFocused", String(window.resourceClass || ""), String(window.caption || ""),
             window.pid > 0 ? window.pid : 0);
}

// Plasma 6 renamed the signal.
if (workspace.windowActivated) {
    workspace.windowActivated.connect(pelmoraFocused);
} else {
    workspace.clientActivated.connect(pelmoraFocused);
}
