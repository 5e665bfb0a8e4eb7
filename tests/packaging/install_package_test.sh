#!/bin/sh
# Builds the Debian package, unpacks it into a scratch root and starts the program from there:
# it must find its camera library through its RPATH, answer --version, and open its window, also
# as the desktop entry starts it.
set -eu
build_dir=$1
scratch=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch" "${menu_homes:-}"' EXIT
pid=""
here=$(cd "$(dirname "$0")" && pwd)

# Under umask 000 the package and a plain install still give every entry its own mode (folders and
# programs 0755, the rest 0644, all root's): nothing in them is writable by others.
cd "$build_dir"
(
    umask 000
    cpack -G DEB -B "$scratch/packages" >/dev/null
    cmake --install . --prefix "$scratch/installed" >/dev/null
)
package=$(ls "$scratch"/packages/qumat-pro_*.deb)
{
    dpkg-deb --contents "$package"
    dpkg-deb --ctrl-tarfile "$package" | tar -tvf -
} | awk -v programs='./usr/bin/qumat_pro ./usr/bin/qumat ./usr/libexec/qumat_pro/start-from-menu
    ./postinst' '
    BEGIN { split(programs, list, " "); for (i in list) program[list[i]] = 1 }
    {
        expected = $6 ~ /\/$/ ? "drwxr-xr-x" : (($6 in program) ? "-rwxr-xr-x" : "-rw-r--r--")
        if ($1 != expected || $2 != "root/root") {
            print "the package has " $2 " " $1 " " $6 ", not root/root " expected
            bad = 1
        }
    }
    END { exit bad }'
writable=$(find "$scratch/installed" -perm /022)
[ -z "$writable" ] || {
    echo "the install lets others write: $writable"
    exit 1
}

dpkg-deb --field "$package" Depends | grep -q libqt6widgets6
dpkg -x "$package" "$scratch/root"
root=$scratch/root
for file in usr/bin/qumat_pro usr/bin/qumat usr/lib/qumat_pro/libk47_4g_pc.so \
    usr/share/applications/qumat_pro.desktop usr/share/icons/hicolor/scalable/apps/qumat_pro.svg \
    usr/lib/udev/rules.d/70-qumat-pro-camera.rules usr/share/man/man1/qumat.1.gz \
    usr/share/man/man1/qumat_pro.1.gz usr/share/bash-completion/completions/qumat \
    usr/share/bash-completion/completions/qumat_pro usr/share/zsh/vendor-completions/_qumat; do
    [ -e "$root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
gzip -t "$root"/usr/share/man/man1/*.1.gz
grep -q 'TAG+="uaccess"' "$root/usr/lib/udev/rules.d/70-qumat-pro-camera.rules"

# The desktop entry's command is the installed start-from-menu, named where each install put it.
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/qumat_pro.desktop")
case $command in
/usr/*) [ -x "$root$command" ] ;;
*) false ;;
esac || { echo "the package's desktop entry runs '$command'"; exit 1; }
installed_command=$(sed -n 's/^Exec=//p' "$scratch/installed/share/applications/qumat_pro.desktop")
[ "$installed_command" = "$scratch/installed${command#/usr}" ] ||
    { echo "the installed desktop entry runs '$installed_command'"; exit 1; }

sh "$here/run_path_test.sh" "$root/usr/bin/qumat_pro" "$root/usr/bin/qumat" \
    "$root/usr/lib/qumat_pro/libk47_4g_pc.so" "$scratch/installed/bin/qumat_pro" \
    "$scratch/installed/bin/qumat"
for program in qumat_pro qumat; do
    library=$(ldd "$root/usr/bin/$program" | awk '/libk47_4g_pc/ {print $3}')
    [ "$(realpath "$library")" = "$(realpath "$root/usr/lib/qumat_pro/libk47_4g_pc.so")" ] || {
        echo "the installed $program loads '$library'"
        exit 1
    }
done
"$root/usr/bin/qumat_pro" --version | grep -q '^qumat_pro '

# A command given to the installed qumat_pro is answered by the qumat beside it.
for program in qumat qumat_pro; do
    K47_CAMERA_STATE="$scratch/$program.ini" QUMAT_PASSWORD=000000 QUMAT_CHANGE_LOG=off \
        "$root/usr/bin/$program" show >"$scratch/$program.out" </dev/null
done
grep -q '^recording.resolution = ' "$scratch/qumat.out"
cmp "$scratch/qumat.out" "$scratch/qumat_pro.out"

# Started from the menu, in the home folder, the program writes its Language.ini into the user's
# configuration folder ($XDG_CONFIG_HOME, else ~/.config), which it makes, and not into the home.
menu_homes=$(mktemp -d "$PWD/menu-start.XXXXXX")
for config in "$menu_homes/config" ""; do
    home=$(mktemp -d "$menu_homes/home.XXXXXX")
    folder=${config:-$home/.config}/qumat_pro
    (cd "$home" && HOME=$home XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen \
        K47_CAMERA_STATE="$scratch/menu.ini" exec "$root$command") &
    pid=$!
    for _ in $(seq 50); do
        [ -f "$folder/Language.ini" ] && break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ -f "$folder/Language.ini" ] || { echo "from the menu, no $folder/Language.ini"; exit 1; }
    [ ! -e "$home/Language.ini" ] || { echo "from the menu, a Language.ini in the home"; exit 1; }
done
rm -rf "$menu_homes"

mkdir "$scratch/work"
cd "$scratch/work"
QT_QPA_PLATFORM=offscreen K47_CAMERA_STATE="$scratch/camera.ini" "$root/usr/bin/qumat_pro" &
pid=$!
for _ in $(seq 50); do
    [ -f Language.ini ] && break
    sleep 0.1
done
[ -f Language.ini ] || { echo "the installed program did not start"; exit 1; }
sleep 0.5
kill -0 "$pid" || { echo "the installed program ended at once"; exit 1; }
echo "package installs and starts"
