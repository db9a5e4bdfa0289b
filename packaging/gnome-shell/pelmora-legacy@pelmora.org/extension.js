// Pelmora focus, for GNOME Shell 43 and 44 (which load an extension as a
// script, not as a module): tells the running Pelmora which window has the
// focus, so that its mouse profiles can follow the focused application. It
// calls Pelmora's own WindowFocused method and nothing else; when Pelmora is
// not running the call just fails.

const {Gio, GLib} = imports.gi;

class PelmoraFocusExtension {
    constructor() {
        this._handler = 0;
    }

    enable() {
        this._handler = global.display.connect('notify::focus-window', () => this._tell());
        this._tell();
    }

    disable() {
        if (this._handler) {
            global.display.disconnect(this._handler);
            this._handler = 0;
        }
    }

    _tell() {
        const window = global.display.focus_window;
        if (!window) {
            return;
        }
        const pid = window.get_pid();
        Gio.DBus.session.call('org.pelmora.Pelmora', '/org/pelmora/Pelmora',
            'org.pelmora.Pelmora1', 'WindowFocused',
            new GLib.Variant('(ssu)', [window.get_wm_class() ?? '', window.get_title() ?? '',
                pid > 0 ? pid : 0]),
            null, Gio.DBusCallFlags.NO_AUTO_START, 1000, null, (connection, result) => {
                try {
                    connection.call_finish(result);
                } catch (e) {
                    // Pelmora is not running.
                }
            });
    }
}

// eslint-disable-next-line no-unused-vars
function init() {
    return new PelmoraFocusExtension();
}
