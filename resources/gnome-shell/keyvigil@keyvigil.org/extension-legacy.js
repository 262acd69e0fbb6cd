// Entry point for GNOME Shell 43 and 44, installed as extension.js where the Shell is older
// than 45.
const {Companion} = imports.misc.extensionUtils.getCurrentExtension().imports.companion;

function init() {
    return new Companion(imports.gi, imports.ui.main);
}
