// Entry point for GNOME Shell 45 and later, installed as extension.js there.
import Clutter from 'gi://Clutter';
import Cogl from 'gi://Cogl';
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import St from 'gi://St';
import * as Main from 'resource:///org/gnome/shell/ui/main.js';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

import {Companion} from './companion.js';

export default class KeyvigilExtension extends Extension {
    enable() {
        this._companion = new Companion({Clutter, Cogl, Gio, GLib, St}, Main);
        this._companion.enable();
    }

    disable() {
        this._companion.disable();
        this._companion = null;
    }
}
