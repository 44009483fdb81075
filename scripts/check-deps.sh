#!/usr/bin/env bash
# Proves that a machine which has never seen this project gets everything the build and the tests
# use from scripts/deps.sh: every system package the configured build found, and every program or
# file the tests call, must belong to a package in the Depends/Pre-Depends closure of the script's
# list. A package that is only on this machine by accident (an earlier install, a Recommends) fails
# the check with its name.
#
# usage: check-deps.sh [--optional CACHE_ENTRY]... CMAKE_CACHE [PROGRAM_OR_FILE]...
#   a PROGRAM is looked up on PATH; a FILE is an absolute path. --optional names a cache entry that
#   a find module probes although the build does not use it (the build works without it).
set -euo pipefail

declare -A optional=()
while [[ ${1:-} == --optional ]]; do
  optional[${2:?--optional needs a cache entry name}]=1
  shift 2
done
cache=${1:?usage: check-deps.sh [--optional CACHE_ENTRY]... CMAKE_CACHE [PROGRAM_OR_FILE]...}
shift
here=$(cd "$(dirname "$0")" && pwd)

mapfile -t listed < <("$here/deps.sh" --list)
((${#listed[@]})) || { echo "deps.sh --list printed no package" >&2; exit 2; }

# Every package reachable through Depends and Pre-Depends; apt-cache prints each visited package
# (virtual ones in <>) as an unindented line.
declare -A closure=()
while IFS= read -r line; do
  [[ $line == " "* || -z $line ]] && continue
  closure[$line]=1
done < <(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
           --no-replaces --no-enhances "${listed[@]}" 2>/dev/null)
for p in "${listed[@]}"; do closure[$p]=1; done

# Owners of a path; the /usr merge means dpkg may know it under /lib or only through a symlink.
owners() {
  local path=$1 out candidate
  for candidate in "$path" "$(readlink -f "$path")" "${path#/usr}"; do
    [[ -n $candidate ]] || continue
    if out=$(dpkg-query -S "$candidate" 2>/dev/null); then
      # "pkg1:arch, pkg2: /path" -> one package name per line, architecture dropped
      sed -E 's/: [^:]*$//' <<<"$(head -n1 <<<"$out")" | tr ',' '\n' | sed -E 's/^ +//; s/:.*$//'
      return 0
    fi
  done
  return 1
}

failures=0
checked=0
check() { # what path
  local what=$1 path=$2 pkg found=0 pkgs
  if ! pkgs=$(owners "$path"); then
    echo "FAIL $what: $path belongs to no Debian package"
    failures=$((failures + 1))
    return
  fi
  for pkg in $pkgs; do
    [[ -n ${closure[$pkg]:-} ]] && found=1
  done
  checked=$((checked + 1))
  if ((!found)); then
    echo "FAIL $what: $path comes from package '$(tr '\n' ' ' <<<"$pkgs" | sed 's/ $//')'," \
         "which scripts/deps.sh neither lists nor pulls in through Depends"
    failures=$((failures + 1))
  fi
}

system_path() { [[ $1 == /usr/* && $1 != /usr/local/* ]] || [[ $1 == /lib/* || $1 == /bin/* ]]; }

# CMake package directories: the owner of the package's config file speaks for the directory.
while IFS='=' read -r key value; do
  name=${key%%:*}
  [[ $name == *_DIR && $key == *:PATH ]] || continue
  system_path "$value" && [[ -d $value ]] || continue
  config=$(find "$value" -maxdepth 1 \( -name '*Config.cmake' -o -name '*-config.cmake' \) | sort | head -n1)
  check "$name" "${config:-$value}"
done < <(grep -E '^[A-Za-z0-9_]+:PATH=' "$cache")

# Libraries and programs the configure step found by path (compilers, libcurl, xkbcommon, ...).
while IFS='=' read -r key value; do
  name=${key%%:*}
  system_path "$value" && [[ -f $value ]] || continue
  [[ -z ${optional[$name]:-} ]] || continue
  check "$name" "$value"
done < <(grep -E '^[A-Za-z0-9_]+:FILEPATH=' "$cache")

# What the tests and scripts call at run time.
for item in "$@"; do
  if [[ $item == /* ]]; then
    [[ -e $item ]] || { echo "FAIL $item: missing"; failures=$((failures + 1)); continue; }
    check "file" "$item"
  else
    path=$(command -v "$item" || true)
    [[ -n $path ]] || { echo "FAIL program $item: not on PATH"; failures=$((failures + 1)); continue; }
    check "program $item" "$path"
  fi
done

echo "$checked paths checked against ${#listed[@]} listed packages (${#closure[@]} with their dependencies)"
((failures == 0))
