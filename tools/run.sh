#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Installs what is missing, builds tocklet, creates its registry keys on first use (as an
# installer would) and runs it.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
bash tools/ensure-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target tocklet tocklet-reg
if ! build/tools/tocklet-reg query 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\tocklet' >/dev/null 2>&1; then
    echo "First run: creating tocklet's registry keys from resources/setup.reg"
    build/tools/tocklet-reg import resources/setup.reg
fi
# The sounds are looked up in the current folder first.
cd build/shell
exec ./tocklet "$@"
