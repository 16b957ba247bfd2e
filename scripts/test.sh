#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine, builds Zelmora twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds, then builds the browser edition
# and runs the script suite through it under Node and the browser tests in Chromium. Exits non-zero
# on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh all

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
for flavour in release sanitize; do
  ./scripts/build.sh "$flavour"
  dir=build; [ "$flavour" = sanitize ] && dir=build-sanitize
  echo "== tests ($flavour)"
  (cd "$dir" && ctest --output-on-failure --parallel "$(nproc)" --timeout 600) || status=1
done

# The Debian package of the plain build, held to lintian, appstreamcli and desktop-file-validate.
./scripts/check-package.sh build || status=1

echo "== browser edition"
./scripts/build.sh web
(cd build-web && ctest --output-on-failure --parallel "$(nproc)" --timeout 600) || status=1
# One file at a time: each test file starts its own Chromium, and two at once overload a small machine.
for file in web/tests/*.test.mjs; do
  node --test "$file" || status=1
done

echo "== formatting"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  sources=$(git ls-files '*.cpp' '*.hpp')
else
  sources=$(find runtime boards program desktop web tools tests bench -name '*.cpp' -o -name '*.hpp')
fi
if ! echo "$sources" | xargs clang-format --dry-run --Werror; then
  echo "some files are not formatted: run clang-format -i on them" >&2
  status=1
fi
exit $status
