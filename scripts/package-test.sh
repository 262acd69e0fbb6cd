#!/usr/bin/env bash
# Builds the Debian package from the build tree, installs it with apt-get, starts both commands
# from /usr/bin, checks it with lintian (errors fail, warnings are shown) and removes it again.
# Needs root, or sudo, as it installs the package on this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="$(realpath "${KEYVIGIL_BUILD_DIR:-build}")"
package=keyvigil
version="$(sed -n 's/^project(Keyvigil VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
deb="${package}_${version}-1_$(dpkg --print-architecture).deb"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_get=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -o Dpkg::Use-Pty=0 -y -qq)
missing=()
for p in lintian file dpkg-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    "${apt_get[@]}" update
    "${apt_get[@]}" install --no-install-recommends "${missing[@]}"
fi
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    echo "$package is installed on this machine already; remove it first" >&2
    exit 1
fi

echo "== building $deb =="
cmake --build "$build_dir"
out="$(mktemp -d)"
home="$(mktemp -d)"
trap 'rm -rf "$out" "$home"' EXIT
(cd "$out" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$out" >/dev/null)
[ -f "$out/$deb" ] || { echo "cpack made no $deb:" >&2; ls "$out" >&2; exit 1; }
cp "$out/$deb" "$build_dir/"
dpkg-deb --field "$out/$deb" Package Version Section Depends Recommends

echo "== lintian =="
lintian_out="$(lintian --info --tag-display-limit 0 "$out/$deb" 2>&1 | grep -v "^running with root" || true)"
echo "${lintian_out:-no tags}"
if grep -q '^E:' <<<"$lintian_out"; then
    echo "lintian reports errors" >&2
    exit 1
fi

echo "== installing =="
# apt-get reads a local package from a path it can reach as its own unprivileged user.
chmod 0755 "$out"
chmod 0644 "$out/$deb"
"${apt_get[@]}" install "$out/$deb"
trap '"${apt_get[@]}" remove "$package" >/dev/null 2>&1 || true; rm -rf "$out" "$home"' EXIT
/usr/bin/keyvigil-preferences --version
[ "$(/usr/bin/keyvigil-preferences --version)" = "keyvigil-preferences $version" ]
HOME="$home" /usr/bin/keyvigil-defaults write warnCount -int 7
[ "$(HOME="$home" /usr/bin/keyvigil-defaults read warnCount)" = 7 ]
HOME="$home" /usr/bin/keyvigil-defaults read
[ -x "/usr/lib/keyvigil/Keyvigil.prefPane/Contents/Resources/Keyvigil Helper.app/Contents/MacOS/Keyvigil Helper" ]
[ -x /usr/lib/keyvigil/Keyvigil.prefPane/Contents/Resources/keyvigil-agent ]

echo "== removing =="
"${apt_get[@]}" remove "$package"
trap 'rm -rf "$out" "$home"' EXIT
if [ -e /usr/lib/keyvigil ] || [ -e /usr/bin/keyvigil-preferences ] || [ -e /usr/bin/keyvigil-defaults ]; then
    echo "removing the package left files behind:" >&2
    find /usr/lib/keyvigil /usr/bin/keyvigil-* 2>/dev/null >&2
    exit 1
fi
echo "package test passed: $build_dir/$deb"
