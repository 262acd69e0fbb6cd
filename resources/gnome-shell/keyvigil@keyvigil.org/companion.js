// The companion proper, shared by both entry points: exports org.keyvigil.Keyvigil.Shell on the
// session bus for Keyvigil's helper. Caps Lock, Num Lock and the focused window are what only the
// Shell can see on GNOME; the indicators are pictures the helper draws and sends, shown here
// above everything, over the overview and full-screen windows too, and never taking a click.
// Written as a plain script for GNOME 43 and 44; the install rules add the export line that
// makes it a module for 45 and later. The entry point hands in what it imported.

// Raised when the interface below changes in a way the helper must know about.
var VERSION = 1;

var IFACE = `<node><interface name="org.keyvigil.Keyvigil.Shell">
  <property name="Version" type="u" access="read"/>
  <method name="Hello"><arg type="u" direction="in" name="helperVersion"/>
    <arg type="u" direction="out" name="version"/></method>
  <method name="GetLocks"><arg type="b" direction="out" name="caps"/>
    <arg type="b" direction="out" name="num"/></method>
  <method name="GetFront"><arg type="i" direction="out" name="pid"/>
    <arg type="s" direction="out" name="wmClass"/></method>
  <method name="GetMonitor"><arg type="i" direction="out" name="x"/><arg type="i" direction="out" name="y"/>
    <arg type="i" direction="out" name="width"/><arg type="i" direction="out" name="height"/>
    <arg type="d" direction="out" name="scale"/></method>
  <method name="Show"><arg type="s" direction="in" name="id"/><arg type="s" direction="in" name="placement"/>
    <arg type="i" direction="in" name="x"/><arg type="i" direction="in" name="y"/>
    <arg type="i" direction="in" name="width"/><arg type="i" direction="in" name="height"/>
    <arg type="i" direction="in" name="pixelWidth"/><arg type="i" direction="in" name="pixelHeight"/>
    <arg type="ay" direction="in" name="rgbaPremultiplied"/></method>
  <method name="Hide"><arg type="s" direction="in" name="id"/></method>
  <signal name="LocksChanged"><arg type="b" name="caps"/><arg type="b" name="num"/></signal>
  <signal name="FrontChanged"><arg type="i" name="pid"/><arg type="s" name="wmClass"/></signal>
</interface></node>`;

var Companion = class {
    constructor(gi, Main) {
        this._gi = gi;
        this._Main = Main;
    }

    enable() {
        const {Clutter, Gio} = this._gi;
        this._overlays = new Map();
        this._keymap = Clutter.get_default_backend().get_default_seat().get_keymap();
        this._locks = this.GetLocks();
        this._stateId = this._keymap.connect('state-changed', () => {
            const locks = this.GetLocks();
            if (locks[0] === this._locks[0] && locks[1] === this._locks[1])
                return;
            this._locks = locks;
            this._emit('LocksChanged', '(bb)', locks);
        });
        this._focusId = global.display.connect('notify::focus-window',
            () => this._emit('FrontChanged', '(is)', this.GetFront()));
        this._dbus = Gio.DBusExportedObject.wrapJSObject(IFACE, this);
        this._dbus.export(Gio.DBus.session, '/org/keyvigil/Keyvigil/Shell');
        this._name = Gio.bus_own_name(Gio.BusType.SESSION, 'org.keyvigil.Keyvigil.Shell',
            Gio.BusNameOwnerFlags.NONE, null, null, null);
    }

    disable() {
        const {Gio} = this._gi;
        this._keymap.disconnect(this._stateId);
        global.display.disconnect(this._focusId);
        this._hideAll();
        Gio.bus_unown_name(this._name);
        this._dbus.unexport();
        this._dbus = null;
        this._keymap = null;
    }

    get Version() {
        return VERSION;
    }

    Hello(helperVersion) {
        if (helperVersion !== VERSION)
            console.warn(`Keyvigil: the helper speaks interface version ${helperVersion}, ` +
                `this companion ${VERSION}: update Keyvigil and the companion together`);
        return VERSION;
    }

    GetLocks() {
        return [this._keymap.get_caps_lock_state(), this._keymap.get_num_lock_state()];
    }

    GetFront() {
        const window = global.display.focus_window;
        return window ? [window.get_pid(), window.get_wm_class() || ''] : [0, ''];
    }

    // The monitor the user works on (the pointer's, else the focused window's), its free area
    // in the Shell's own coordinates, and its scale: how many pixels a picture needs per point.
    GetMonitor() {
        const monitor = this._Main.layoutManager.currentMonitor;
        if (!monitor)
            return [0, 0, 0, 0, 1];
        const area = this._Main.layoutManager.getWorkAreaForMonitor(monitor.index);
        return [area.x, area.y, area.width, area.height, monitor.geometry_scale || 1];
    }

    // Pictures go with the program that showed them, should it end without hiding them.
    ShowAsync(params, invocation) {
        const {Gio} = this._gi;
        const sender = invocation.get_sender();
        try {
            this._show(...params);
        } catch (e) {
            invocation.return_error_literal(Gio.DBusError, Gio.DBusError.INVALID_ARGS, e.message);
            return;
        }
        if (this._owner !== sender) {
            this._unwatch();
            this._owner = sender;
            this._ownerWatch = Gio.bus_watch_name_on_connection(Gio.DBus.session, sender,
                Gio.BusNameWatcherFlags.NONE, null, () => this._hideAll());
        }
        invocation.return_value(null);
    }

    // placement: 'centre' (over the middle of the work area), 'top-left' (x, y from its
    // top-left corner) or 'top-edge' (along the monitor's whole top). x, y, width and height are
    // in points, the picture at the monitor's scale.
    _show(id, placement, x, y, width, height, pixelWidth, pixelHeight, rgba) {
        const {Cogl, St} = this._gi;
        const Main = this._Main;
        if (pixelWidth <= 0 || pixelHeight <= 0 || rgba.length !== pixelWidth * pixelHeight * 4)
            throw new Error('the picture does not match its size');
        // Sizes come in points. Where the Shell lays monitors out in physical pixels and scales
        // its own look (GNOME's default), a point is the theme's scale in pixels; where it lays
        // them out in logical pixels, the monitor's framebuffer does the scaling.
        const points = St.ThemeContext.get_for_stage(global.stage).scale_factor;
        [x, y, width, height] = [x * points, y * points, width * points, height * points];
        let actor = this._overlays.get(id);
        if (!actor) {
            actor = new St.Widget({reactive: false, can_focus: false, track_hover: false});
            Main.layoutManager.addTopChrome(actor, {affectsInputRegion: false});
            this._overlays.set(id, actor);
        }
        const content = St.ImageContent.new_with_preferred_size(width, height);
        const args = [rgba, Cogl.PixelFormat.RGBA_8888_PRE, pixelWidth, pixelHeight, pixelWidth * 4];
        try {
            content.set_data(...args);
        } catch (e) {
            // From 46 on the picture is given with the Cogl context first.
            content.set_data(global.stage.context.get_backend().get_cogl_context(), ...args);
        }
        actor.set_content(content);
        const monitor = Main.layoutManager.currentMonitor || Main.layoutManager.primaryMonitor;
        const area = Main.layoutManager.getWorkAreaForMonitor(monitor.index);
        if (placement === 'centre')
            actor.set_position(area.x + Math.floor((area.width - width) / 2),
                area.y + Math.floor((area.height - height) / 2));
        else if (placement === 'top-edge')
            [x, y, width] = [monitor.x, monitor.y, monitor.width];
        if (placement !== 'centre')
            actor.set_position(monitor.x + x, monitor.y + y);
        actor.set_size(width, height);
        actor.show();
        // Above the other chrome added later, such as the overview's.
        actor.get_parent().set_child_above_sibling(actor, null);
    }

    Hide(id) {
        const actor = this._overlays.get(id);
        if (!actor)
            return;
        this._overlays.delete(id);
        this._Main.layoutManager.removeChrome(actor);
        actor.destroy();
    }

    _hideAll() {
        for (const id of [...this._overlays.keys()])
            this.Hide(id);
        this._unwatch();
    }

    _unwatch() {
        if (this._ownerWatch)
            this._gi.Gio.bus_unwatch_name(this._ownerWatch);
        this._ownerWatch = 0;
        this._owner = null;
    }

    _emit(name, signature, values) {
        if (this._dbus)
            this._dbus.emit_signal(name, new this._gi.GLib.Variant(signature, values));
    }
};

