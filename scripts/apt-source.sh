#!/usr/bin/env bash
# Shared by the fetch scripts (sourced, not run): finds a pinned upstream version among the
# source packages apt offers and fetches its upstream tarball. Never edits apt's sources:
# scripts/setup.sh adds the source entries these look in.

# Prints the Debian version of source package $1 whose upstream version is $2; fails with a
# message naming setup.sh when no configured source entry offers it.
source_version() {
  local package=$1 upstream=$2 caller=$3 version
  version=$(apt-cache showsrc "$package" 2>/dev/null |
    awk -v up="$upstream" '$1 == "Version:" { v = $2; sub(/^[0-9]+:/, "", v); if (index(v, up "-") == 1 || index(v, up "+") == 1) { print $2; exit } }')
  if [ -z "$version" ]; then
    echo "$caller: no apt source entry offers $package $upstream; run scripts/setup.sh (as root) first" >&2
    return 1
  fi
  echo "$version"
}

# Fetches the upstream tarball of source package $1 at Debian version $2 into folder $3,
# checks it against SHA-256 $4 and prints its path.
fetch_upstream_tarball() {
  local package=$1 version=$2 dir=$3 sha=$4 caller=$5 tarball
  # --download-only fetches the .dsc and its tarballs without unpacking or building.
  if ! (cd "$dir" && apt-get source --download-only -q "$package=$version" >"$dir/apt-get.log" 2>&1); then
    cat "$dir/apt-get.log" >&2
    echo "$caller: apt-get source $package=$version failed" >&2
    return 1
  fi
  tarball=$(ls "$dir"/"${package}"_*.orig.tar.* 2>/dev/null | head -n 1)
  if [ -z "$tarball" ]; then
    echo "$caller: $package $version has no upstream tarball" >&2
    return 1
  fi
  if ! echo "$sha  $tarball" | sha256sum -c --status; then
    echo "$caller: $(basename "$tarball") does not match the pinned SHA-256 $sha" >&2
    return 1
  fi
  echo "$tarball"
}
