// Runs a GNOME Shell extension of Pelmora's under gjs with a stand-in for the
// shell's global.display: enables it, moves the focus through the windows
// given, one every STEP ms, then disables it and moves the focus once more
// (which must reach nobody).
//   gjs -m gnome_shell_standin.js EXTENSION_DIR STEP_MS APP_ID:TITLE...
import GLib from 'gi://GLib';

const [folder, step, ...windows] = ARGV;

class Display {
    constructor() {
        this.focus_window = null;
        this._handlers = new Map();
        this._next = 1;
    }

    connect(signal, handler) {
        this._handlers.set(this._next, [signal, handler]);
        return this._next++;
    }

    disconnect(id) {
        this._handlers.delete(id);
    }

    focus(window) {
        this.focus_window = window;
        for (const [signal, handler] of this._handlers.values()) {
            if (signal === 'notify::focus-window')
                handler(this);
        }
    }
}

const windowOf = text => {
    const [id, title] = text.split(':');
    return {get_wm_class: () => id, get_title: () => title, get_pid: () => 1};
};

globalThis.global = {display: new Display()};
let extension;
const metadata = JSON.parse(new TextDecoder().decode(GLib.file_get_contents(`${folder}/metadata.json`)[1]));
if (metadata['shell-version'].some(version => Number(version) >= 45)) {
    const module = await import(`file://${folder}/extension.js`);
    extension = new module.default(metadata);
} else {
    imports.searchPath.unshift(folder);
    extension = imports.extension.init(metadata);
}

const loop = new GLib.MainLoop(null, false);
extension.enable();
const queue = windows.map(windowOf);
GLib.timeout_add(GLib.PRIORITY_DEFAULT, Number(step), () => {
    const next = queue.shift();
    if (next) {
        global.display.focus(next);
        return GLib.SOURCE_CONTINUE;
    }
    extension.disable();
    global.display.focus(windowOf('after.disable:Nobody'));
    loop.quit();
    return GLib.SOURCE_REMOVE;
});
loop.run();
