#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a scripted session of every window under strace and fails on any
# network socket, any file opened for writing or created, and any file read
# outside the system's libraries, fonts, Qt plugins, translations and locale
# data. The session must have opened all 20 windows, taken a value from
# another window, picked a core and a wire from their lists, copied a window
# and pasted it back, pasted a cell read otherwise and taken it back, swept an input, and worked out a core's Ae from its
# dimensions and filled it in, solved the flyback's primary turns for 80 (反算), and drew the loop's frequency response with E24 parts
# and took its right-half-plane zero from the flyback's design.
# Usage: no_files_no_network.sh <session program>
set -euo pipefail
session=$1
strace=$(command -v strace) ||
  { echo "FAIL: strace is not installed (apt-get install strace); nothing was checked"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A desktop session has its runtime folder; without one Qt would make it.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
export QT_QPA_PLATFORM=offscreen
# In the sanitizer build: LeakSanitizer cannot run under ptrace; the other
# tests look for leaks.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

session_status=0
"$strace" -f -qq -e signal=none -e trace=%file,%network,%desc -o "$work/trace" "$session" > "$work/out" ||
  session_status=$?
cat "$work/out"
[[ $session_status == 0 ]] || { echo "FAIL: the session ended with status $session_status"; exit 1; }
grep -qx 'session: 20 windows opened' "$work/out" || { echo "FAIL: the session did not open all 20 windows"; exit 1; }
grep -qx 'session: took [0-9.]*, core 97.1, wire 0.5106, copied [1-9][0-9]* characters, 已填入 4 个输入，跳过 [0-9]* 行, 已填入 1 个输入，跳过 0 行；其中「铜线直径(mm)」按 0 读取 已撤销, swept 200 points, filled Ae 64.2561458701428, solved 0.298132530120482, crossover [1-9][0-9.]*, zero 355.256569401552, copper 6.67735219075004 W, 超限 2, core 7.27198172180175 W, 234.432906677731 ℃' "$work/out" ||
  { echo "FAIL: the session did not take a value, pick a core and a wire, copy, paste, sweep and fill Ae from dimensions"; exit 1; }
grep -qx 'session: about box, [1-9][0-9]* characters' "$work/out" || { echo "FAIL: the session did not open the about box"; exit 1; }
grep -q 'execve(' "$work/trace" || { echo "FAIL: strace recorded nothing"; exit 1; }

home=${HOME:-/root}
allowed=(
  /lib/ /lib64/ /usr/lib/ /etc/ld.so. /proc/self/ /sys/devices/system/cpu/
  /etc/nsswitch.conf /etc/passwd /etc/group /etc/localtime
  /usr/share/fonts /usr/local/share/fonts /usr/share/fontconfig/ /etc/fonts/ /var/cache/fontconfig/
  "$home/.cache/fontconfig/" "$home/.fontconfig/" "$home/.config/fontconfig/" "$home/.fonts"
  "$home/.local/share/fonts"
  /usr/share/qt6/translations/ /usr/share/locale/ /usr/share/X11/locale/ /usr/share/X11/xkb/
  "$session"
)

status=0
# Sockets: only the C library's name-service cache (a local socket asked for
# the user's home folder) is allowed; nothing reaches a network.
if grep -E '\bsocket\(' "$work/trace" | grep -vq 'socket(AF_UNIX'; then
  echo "a network socket was opened:"; grep -E '\bsocket\(' "$work/trace" | grep -v 'socket(AF_UNIX'; status=1
fi
if grep -E '\bconnect\(' "$work/trace" | grep -vqE 'sun_path="(/var)?/run/nscd/socket"'; then
  echo "a connection other than the name-service cache:"
  grep -E '\bconnect\(' "$work/trace" | grep -vE 'sun_path="(/var)?/run/nscd/socket"'; status=1
fi
# Writing: any open for writing, any file or folder created, renamed or
# removed. Qt asks for its runtime folder with a mkdir that finds it there:
# that creates nothing.
if grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|\b(creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|symlink|truncate|chmod)\(' \
    "$work/trace" | grep -vE '"/dev/null"|mkdir\("[^"]*", [0-7]+\) += -1 EEXIST'; then
  echo "the lines above write to the file system"; status=1
fi
# Reading: every file opened successfully lies in an allowed place.
while IFS= read -r path; do
  ok=0
  for prefix in "${allowed[@]}"; do
    [[ $path == "$prefix"* ]] && { ok=1; break; }
  done
  [[ $ok == 1 ]] || { echo "read outside the system's data: $path"; status=1; }
done < <(grep -E '\b(open|openat)\(' "$work/trace" | grep -vE '= -1 ' | sed -E 's/^[^"]*"([^"]*)".*/\1/' | sort -u)

[[ $status == 0 ]] && echo "no files of its own, no network: $(grep -cE '\b(open|openat)\(' "$work/trace") opens checked"
exit $status
