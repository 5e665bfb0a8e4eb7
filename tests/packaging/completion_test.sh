#!/bin/bash
# The generated completions: bash offers the commands, each command's options, the chosen model's
# setting names and a list's value names after NAME=, as bash splits the words it is given.
# Usage: completion_test.sh BASH_COMPLETION ZSH_COMPLETION
set -u
source "$1"
cd "$(mktemp -d)"
trap 'rm -rf "$PWD"' EXIT
failed=0

# The replies expected, sorted, then the words typed; the last word is the one completed.
check() {
    local expected=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _qumat
    local replies
    replies=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    [[ $replies == "$expected" ]] || {
        echo "'$*': expected '$expected', got '$replies'"
        failed=1
    }
}

check 'set' qumat se
check 'doctor' qumat --model stc d
check '--json' qumat doctor --j
check 'export' qumat --model stc --user admin exp
check '--json' qumat show --j
check '' qumat set --j
check '--exit-code' qumat import --dry-run --e
check 'common stc' qumat get --model ''
check 'stc' qumat --model = s
check 'network.ssid' qumat get network.ss
check 'status.card status.firmware' qumat show status.
check '' qumat set status.
check 'recording.gps=' qumat set network.ssid = Depot recording.gp
check 'recording.front_camera_frame_rate recording.front_camera_resolution' \
    qumat --model stc get recording.front_
check 'recording.front_camera_resolution' qumat get --model = stc recording.front_camera_r
check '' qumat get recording.front_
check 'off on' qumat set recording.gps =
check 'utc+1 utc+10 utc+11 utc+12' qumat set recording.time_zone = utc+1
check '1920x1080' qumat set --model stc recording.front_camera_resolution = 19
check '' qumat show -- --j
check '-' qumat export ''
COMP_WORDBREAKS=' '
check 'recording.gps=off recording.gps=on' qumat set recording.gps=o
check '--model=stc' qumat --model=s

# zsh reads its script; where zsh is missing, the script still has the generated tables.
grep -q '^#compdef qumat qumat_pro$' "$2" &&
    grep -q "^list_values\[stc:recording.front_camera_resolution\]='2688x1512 " "$2" || {
    echo "$2 lacks its header or the stc model's lists"
    failed=1
}
if command -v zsh >/dev/null; then
    zsh -n "$2" || failed=1
    # The words offered, sorted, against a pattern; compadd prints what it is given, zsh itself
    # filters by prefix.
    zcheck() {
        local expected=$1 replies
        shift
        replies=$(zsh -c 'compadd() { [[ $1 == -S ]] && shift 2; shift; print -r -- "${(o)@}"; }
            _files() { :; }; compset() { :; }; words=("${@:2}"); CURRENT=$#words; source "$1"' \
            zsh "$script" "$@")
        [[ $replies == $expected ]] || {
            echo "zsh '$*': expected '$expected', got '$replies'"
            failed=1
        }
    }
    script=$2
    zcheck 'common stc' qumat --model ''
    zcheck 'off on' qumat set recording.gps=o
    zcheck '15fps 30fps' qumat --model=stc set recording.front_camera_frame_rate=
    zcheck 'admin user' qumat show --user ''
    zcheck '* recording.front_camera_resolution *' qumat --model stc get r
    zcheck 'identity.device_id * recording.wifi_mode' qumat --model stc set r
fi
exit $failed
