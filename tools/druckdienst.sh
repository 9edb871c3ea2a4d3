#!/usr/bin/env bash
# Starts a print service of the tests' own: a cupsd with its settings, spool and logs in a temporary
# folder, listening only on a socket there, with one queue "Kartulon-PDF" that writes each job as a PDF
# file into that folder (Debian's cups and printer-driver-cups-pdf; never into a home folder).
# Prints the lines to export (CUPS_SERVER, KARTULON_TEST_DRUCKER, KARTULON_TEST_DRUCKER_AUSGABE) and
# the service's process id (KARTULON_TEST_DRUCKDIENST), or nothing when it cannot run here.
# Usage: eval "$(bash tools/druckdienst.sh start)"; ...; bash tools/druckdienst.sh stop
set -uo pipefail

case "${1:-start}" in
  stop)
    [ -n "${KARTULON_TEST_DRUCKDIENST:-}" ] && kill "$KARTULON_TEST_DRUCKDIENST" 2>/dev/null
    [ -n "${KARTULON_TEST_DRUCKER_INSTANZ:-}" ] && rm -f "/etc/cups/cups-pdf-${KARTULON_TEST_DRUCKER_INSTANZ}.conf"
    case "${CUPS_SERVER:-}" in */kartulon-druckdienst.*/cups.sock) sleep 0.5; rm -rf "$(dirname "$CUPS_SERVER")" ;; esac
    exit 0
    ;;
esac

# cups-pdf writes as root and reads its settings only from /etc/cups: without root no queue can be made.
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || exit 0
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || exit 0
[ "$(id -u)" -eq 0 ] || exit 0

ordner=$(mktemp -d "${TMPDIR:-/tmp}/kartulon-druckdienst.XXXXXX")
chmod 755 "$ordner"
mkdir -p "$ordner"/{etc/ppd,spool/tmp,cache,state,log,ausgabe}
chmod 1777 "$ordner/ausgabe"
instanz="kartulon$$"
cat >"$ordner/etc/cupsd.conf" <<KONF
Listen $ordner/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
KONF
cat >"$ordner/etc/cups-files.conf" <<KONF
ServerRoot $ordner/etc
RequestRoot $ordner/spool
TempDir $ordner/spool/tmp
CacheDir $ordner/cache
StateDir $ordner/state
ErrorLog $ordner/log/error_log
AccessLog $ordner/log/access_log
PageLog $ordner/log/page_log
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
KONF
cat >"/etc/cups/cups-pdf-$instanz.conf" <<KONF
Out $ordner/ausgabe
AnonDirName $ordner/ausgabe
Label 0
TitlePref 0
UserUMask 0022
AnonUMask 0022
KONF
cupsd -f -c "$ordner/etc/cupsd.conf" -s "$ordner/etc/cups-files.conf" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 50); do [ -S "$ordner/cups.sock" ] && break; sleep 0.1; done
if ! CUPS_SERVER="$ordner/cups.sock" lpadmin -p Kartulon-PDF -E -v "cups-pdf:/$instanz" \
       -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=A4 >/dev/null 2>&1; then
  kill "$pid" 2>/dev/null
  rm -f "/etc/cups/cups-pdf-$instanz.conf"
  exit 0
fi
echo "export CUPS_SERVER=$ordner/cups.sock"
echo "export KARTULON_TEST_DRUCKER=Kartulon-PDF"
echo "export KARTULON_TEST_DRUCKER_AUSGABE=$ordner/ausgabe"
echo "export KARTULON_TEST_DRUCKDIENST=$pid"
echo "export KARTULON_TEST_DRUCKER_INSTANZ=$instanz"
