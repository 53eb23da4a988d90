# Shared by ./test, ./run and ./bench: packages, builds and the Wine prefix.
# Source it from the repository root.

ROOT=$(pwd)
BUILD=$ROOT/build
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# No Wine dialogs about Mono or Gecko: the program needs neither. No
# debugger either: a program that crashes ends with its exception code at
# once, where Wine's debugger would hold it, and the suite waiting for it.
export WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe=d"

PACKAGES=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    wine wine64 xvfb xauth fonts-wine fonts-wqy-microhei xdotool
    googletest libgtest-dev libgmock-dev libbenchmark-dev libboost-dev nlohmann-json3-dev
    python3 python3-cairo nsis
)

log() { printf '== %s\n' "$*" >&2; }

# Installs what a fresh Debian 12 machine lacks; quick when all is there.
ensure_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq >/dev/null
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_and_build DIR [cmake args...]; with TARGETS set, builds only
# those targets.
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || {
            cat "$dir.configure.log" >&2
            return 1
        }
    fi
    # shellcheck disable=SC2086
    ninja -C "$dir" ${TARGETS:-} >"$dir.build.log" 2>&1 || {
        grep -E -A5 'error|FAILED' "$dir.build.log" | head -80 >&2
        return 1
    }
}

build_native() {
    mkdir -p "$BUILD"
    configure_and_build "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DQORN_SANITIZE=address
}

build_windows() {
    mkdir -p "$BUILD"
    configure_and_build "$BUILD/win" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" && ensure_default_data
}

# dist/ is the program folder as a user installs it, so it holds the data
# files of a first run, written by the program's own code (qornctl new). A
# file that is there already is the user's and stays as it is.
ensure_default_data() {
    local qornctl=$BUILD/native/tools/qornctl/qornctl file
    [ -f "$ROOT/dist/qorn.pfs" ] && [ -f "$ROOT/dist/qorn.mcs" ] && return 0
    if [ ! -f "$BUILD/native/build.ninja" ]; then
        cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQORN_SANITIZE=address \
            >"$BUILD/native.configure.log" 2>&1 || { cat "$BUILD/native.configure.log" >&2; return 1; }
    fi
    ninja -C "$BUILD/native" qornctl >"$BUILD/qornctl.build.log" 2>&1 || { tail -40 "$BUILD/qornctl.build.log" >&2; return 1; }
    for file in qorn.pfs qorn.mcs; do
        [ -f "$ROOT/dist/$file" ] || "$qornctl" new "$ROOT/dist/$file" >/dev/null || return 1
    done
}

# wine_window_manager Y|N: whether a window manager runs on the display.
# None runs in Xvfb, yet Wine waits up to 2 s for one to let go of every
# managed top-level window it hides or destroys (each test window, each tray
# icon's window). Unmanaged (N), Wine places and focuses the windows itself
# and waits for nobody. Run inside a prefix's environment.
wine_window_manager() {
    grep -q "\"Managed\"=\"$1\"" "$WINEPREFIX/user.reg" 2>/dev/null && return 0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$1" /f </dev/null >/dev/null 2>&1
    wineserver -w
}

# The private Wine prefix, made once, with Tahoma where GDI+ looks for it.
ensure_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating Wine prefix"
        wineboot -i </dev/null >"$BUILD/wineboot.log" 2>&1
        wineserver -w
    fi
    wine_window_manager N
    cp -u /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    # Chinese and Korean glyphs: text in Tahoma falls back to a CJK font,
    # as it does on Windows.
    cp -u /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$WINEPREFIX/drive_c/windows/Fonts/"
    if ! grep -q '"Tahoma"=str(7):"wqy-microhei' "$WINEPREFIX/system.reg"; then
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
            /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f </dev/null >"$BUILD/fontlink.log" 2>&1
        wineserver -w
    fi
}

# The simulated keyboard's driver (test equipment, tools/kbdriver): copied into
# the prefix and registered as a kernel driver that starts with every Wine
# session, so that programs in the prefix find a keyboard. The output of these
# Wine commands goes to a file, never a pipe: a service started by them would
# inherit the pipe and its reader would never see the end.
KBDRIVER=qornkbsim
install_kb_driver() {
    local sys=$BUILD/win/kbdriver/$KBDRIVER.sys
    local key="HKLM\\System\\CurrentControlSet\\Services\\$KBDRIVER"
    [ -f "$sys" ] || { log "no $sys: the Windows build did not make the driver"; return 1; }
    cp -u "$sys" "$WINEPREFIX/drive_c/windows/system32/drivers/$KBDRIVER.sys"
    grep -qF "\\\\Services\\\\$KBDRIVER]" "$WINEPREFIX/system.reg" && return 0
    log "registering the simulated keyboard driver"
    {
        wine reg add "$key" /v Type /t REG_DWORD /d 1 /f &&
            wine reg add "$key" /v ErrorControl /t REG_DWORD /d 1 /f &&
            wine reg add "$key" /v Start /t REG_DWORD /d 2 /f &&
            wine reg add "$key" /v ImagePath /t REG_EXPAND_SZ /d "\\SystemRoot\\system32\\drivers\\$KBDRIVER.sys" /f
    } </dev/null >"$BUILD/kbdriver-install.log" 2>&1 || { cat "$BUILD/kbdriver-install.log" >&2; return 1; }
    wineserver -w
}

# make_setup VERSION: the setup of dist/ as build/package/Qorn-Setup-VERSION.exe;
# prints its path.
make_setup() {
    local out=$BUILD/package/Qorn-Setup-$1.exe
    mkdir -p "$BUILD/package"
    makensis -V2 -DVERSION="$1" -DDIST="$ROOT/dist" -DOUTFILE="$out" "$ROOT/installer/Qorn.nsi" >"$BUILD/package/makensis.log" 2>&1 ||
        { cat "$BUILD/package/makensis.log" >&2; return 1; }
    echo "$out"
}

program_version() { sed -nE 's/^#define QORN_VERSION_TEXT "(.*)"/\1/p' "$ROOT/src/app/Version.h"; }

# The setup tests in a Wine prefix of their own, made afresh: the setup of
# this version and a newer one. Output in build/setup_tests.log.
run_setup_tests() {
    local old new prefix=$BUILD/setup-prefix
    old=$(make_setup "$(program_version)") && new=$(make_setup 99.0.0) || return 1
    rm -rf "$prefix"
    (
        export WINEPREFIX=$prefix QORN_SETUP_OLD="Z:${old//\//\\}" QORN_SETUP_NEW="Z:${new//\//\\}"
        wineboot -i </dev/null >"$BUILD/setup-wineboot.log" 2>&1
        wineserver -w
        wine_window_manager N
        timeout 600 xvfb-run -a -s "-screen 0 1280x1024x24" wine "$BUILD/win/setup_tests.exe" --gtest_color=no \
            </dev/null >"$BUILD/setup_tests.log" 2>&1
        wineserver -k >/dev/null 2>&1 || true
    )
}

stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
