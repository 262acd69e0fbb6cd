#!/usr/bin/env bash
# Removes the Keyvigil that scripts/run.sh installed into ~/.local: stops Keyvigil Helper and
# the settings window, takes away the helper's service or autostart entry, and deletes every
# installed file. Your settings stay, unless --purge is given.
set -euo pipefail

usage="usage: scripts/uninstall.sh [--prefix DIR] [--purge]"
prefix="${KEYVIGIL_PREFIX:-$HOME/.local}"
purge=false
while (($#)); do
    case "$1" in
    --prefix) (($# >= 2)) || { echo "$usage" >&2; exit 2; }; prefix="$2"; shift 2 ;;
    --purge) purge=true; shift ;;
    -h | --help) echo "$usage"; exit 0 ;;
    *) echo "$usage" >&2; exit 2 ;;
    esac
done
prefix="$(realpath -m "$prefix")"
if [ "$prefix" = /usr ] && dpkg-query -W keyvigil >/dev/null 2>&1; then
    echo "Keyvigil in /usr belongs to its Debian package: remove it with apt-get remove keyvigil" >&2
    exit 1
fi

label=org.keyvigil.Keyvigil.helper
bundle="$prefix/lib/keyvigil/Keyvigil.prefPane"
agent_tool="$bundle/Contents/Resources/keyvigil-agent"
agent_file="$HOME/Library/LaunchAgents/$label.plist"
config="${XDG_CONFIG_HOME:-$HOME/.config}"

# The agent tool stops the helper whichever way it was started, and removes its unit or
# autostart entry; what it leaves, because this tool is gone already, goes here.
if [ -f "$agent_file" ]; then
    if [ -x "$agent_tool" ]; then
        "$agent_tool" unload "$agent_file" || echo "keyvigil-agent could not unload $agent_file" >&2
    elif [ -f "$config/systemd/user/$label.service" ] && command -v systemctl >/dev/null; then
        systemctl --user disable --now "$label.service" >/dev/null 2>&1 || true
    fi
    rm -f "$agent_file"
fi
if [ -f "$config/systemd/user/$label.service" ]; then
    rm -f "$config/systemd/user/$label.service"
    command -v systemctl >/dev/null && systemctl --user daemon-reload >/dev/null 2>&1 || true
fi
rm -f "$config/autostart/$label.desktop"

# Any program still running from this installation: the helper started by hand, the window.
for process in /proc/[0-9]*; do
    [ -O "$process" ] || continue
    program="$(readlink "$process/exe" 2>/dev/null)" || continue
    case "$program" in
    "$bundle"/* | "$prefix/bin/keyvigil-preferences") kill -TERM "${process#/proc/}" 2>/dev/null || true ;;
    esac
done

files=(
    bin/keyvigil-preferences bin/keyvigil-defaults
    share/applications/org.keyvigil.Keyvigil.desktop
    share/applications/org.keyvigil.Keyvigil.Helper.desktop
    share/metainfo/org.keyvigil.Keyvigil.metainfo.xml
    share/icons/hicolor/scalable/apps/org.keyvigil.Keyvigil.svg
    share/man/man1/keyvigil-preferences.1.gz share/man/man1/keyvigil-defaults.1.gz
    share/lintian/overrides/keyvigil # installed by older versions; only the package has it now
    share/polkit-1/actions/org.keyvigil.Keyvigil.keyboard-access.policy
)
for size in 16 24 32 48 64 128 256; do
    files+=("share/icons/hicolor/${size}x${size}/apps/org.keyvigil.Keyvigil.png")
done
for file in "${files[@]}"; do
    rm -f "$prefix/$file"
done
rm -rf "$prefix/lib/keyvigil" "$prefix/share/doc/keyvigil" \
    "$prefix/share/gnome-shell/extensions/keyvigil@keyvigil.org"
echo "Keyvigil is removed from $prefix."

if $purge; then
    # Everything the programs write in the home: the settings and the help viewer's hand-off
    # store, the settings window's size and place, the restart marker and the supervisor's log.
    # The folders Keyvigil made go too when nothing else is in them.
    rm -f "$HOME"/Library/Preferences/org.keyvigil.*
    rm -f "$config/Keyvigil/Keyvigil.conf"
    rm -rf "${XDG_STATE_HOME:-$HOME/.local/state}/keyvigil"
    for folder in "$config/Keyvigil" "$HOME/Library/Preferences" "$HOME/Library/LaunchAgents" \
        "$HOME/Library"; do
        rmdir "$folder" 2>/dev/null || true
    done
    echo "Your Keyvigil settings are removed too."
else
    echo "Your settings stay in ~/Library/Preferences (--purge removes them)."
fi
