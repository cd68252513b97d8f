#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the demo and the Debian package (cpack
# -G DEB: dpkg-shlibdeps and file) need, skipping those present.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    qt6-base-dev
    libsnmp-dev snmpd snmp
    googletest libgtest-dev libgmock-dev
    xvfb xauth
    dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "install-deps: installing ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    # The snmpd package must not start a system agent: nothing here needs one running.
    export DEBIAN_FRONTEND=noninteractive RUNLEVEL=1
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
