#!/usr/bin/env bash
# Runs one Windows program under Wine, as the emulator of the Windows tests: bounded in time,
# its console's CR LF line ends turned back into newlines. WINEPREFIX comes from the caller.
set -o pipefail
timeout -k 10 "${FOLIVEX_WINE_TIMEOUT:-300}" wine "$@" | tr -d '\r'
