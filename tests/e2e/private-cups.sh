# A private print scheduler for the end-to-end tests: its own socket and folders under a work
# folder, and a default queue NumoraE2E whose backend writes every job to a file. Sourced; the
# caller keeps a `pids` array and ends those processes on exit.

# private_cups WORK OUT: starts the scheduler in WORK/cups and sets CUPS_SERVER. OUT is a file
# (each job replaces it) or an existing folder (one file job-<id>.pdf per job). Says why it failed.
private_cups() {
  local work=$1 out=$2 d
  mkdir -p "$work/cups"/{conf/ppd,spool,cache,state,tmp,log,bin/backend}
  for d in filter daemon cgi-bin driver monitor notifier; do
    [ -e "/usr/lib/cups/$d" ] && ln -s "/usr/lib/cups/$d" "$work/cups/bin/$d"
  done
  cat > "$work/cups/bin/backend/pagefile" <<'SH'
#!/bin/sh
if [ $# -eq 0 ]; then echo 'file pagefile "Unknown" "Page to file"'; exit 0; fi
out=${DEVICE_URI#pagefile:}
[ -d "$out" ] && out="$out/job-$1.pdf"
if [ $# -ge 6 ]; then cat "$6" > "$out.part"; else cat > "$out.part"; fi
mv "$out.part" "$out"
SH
  chmod 755 "$work/cups/bin/backend/pagefile"
  chown lp "$work/cups/spool" "$work/cups/tmp"
  if [ -d "$out" ]; then chown lp "$out"; else chown lp "$(dirname "$out")"; fi
  cat > "$work/cups/conf/cupsd.conf" <<CONF
Listen $work/cups/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
  cat > "$work/cups/conf/cups-files.conf" <<CONF
ServerRoot $work/cups/conf
ServerBin $work/cups/bin
RequestRoot $work/cups/spool
CacheDir $work/cups/cache
StateDir $work/cups/state
TempDir $work/cups/tmp
ErrorLog $work/cups/log/error_log
AccessLog $work/cups/log/access_log
PageLog $work/cups/log/page_log
User lp
Group lp
Sandboxing Relaxed
CONF
  cupsd -f -c "$work/cups/conf/cupsd.conf" -s "$work/cups/conf/cups-files.conf" > "$work/cupsd.log" 2>&1 &
  pids+=($!)
  export CUPS_SERVER=$work/cups/cups.sock
  for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
  [ -S "$CUPS_SERVER" ] || { echo "the print scheduler did not start: $(tail -2 "$work/cupsd.log")"; return 1; }
  lpadmin -p NumoraE2E -E -v "pagefile:$out" 2>/dev/null && lpadmin -d NumoraE2E \
    || { echo "could not set up the print queue"; return 1; }
}

# The tools and rights the private scheduler needs; says what is missing.
private_cups_usable() {
  local tool
  for tool in cupsd lpadmin; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; return 1; }
  done
  [ "$(id -u)" = 0 ] || { echo "the private print scheduler needs root to drop to the lp user"; return 1; }
  id lp >/dev/null 2>&1 || { echo "there is no lp user for the print scheduler"; return 1; }
}
