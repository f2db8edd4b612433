#!/usr/bin/env bash
# Prints through the program's own print path onto a real print queue: a CUPS scheduler (started
# here when none runs, and stopped again) with the virtual PDF printer. Checks what each job
# carried with pdftotext (the title, the clues, the key's letters), that the three copies came
# out as three pages, that the queue is listed, and that a stopped queue gives the program's
# message at once. Skips itself, with a line saying why, where it cannot run.
#   scripts/print_check.sh BUILD_DIR
set -uo pipefail
build="${1:-build}"
jobs_program="$build/bin/PrintQueueJobs"
skip() { echo "print check: skipped ($1)"; exit 0; }
[ "$(id -u)" -eq 0 ] || skip "it needs root to run a print scheduler"
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || skip "CUPS is not installed"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the virtual PDF printer is not installed"
[ -x "$jobs_program" ] || skip "no $jobs_program (a build without the windows)"

started=""
queue="QF-CHECK-$$"
cleanup() {
  lpadmin -x "$queue" 2>/dev/null
  [ -n "$started" ] && { kill "$started" 2>/dev/null; wait "$started" 2>/dev/null; }
}
trap cleanup EXIT
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  cupsd -f & started=$!
  for _ in $(seq 1 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
fi
lpstat -r 2>/dev/null | grep -q "is running" || skip "the print scheduler did not start"
lpadmin -p "$queue" -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
  { echo "print check: FAILED: the queue could not be made"; exit 1; }

fail() { echo "print check: FAILED: $1"; exit 1; }
run() { QT_QPA_PLATFORM=offscreen QF_PRINT_QUEUE="$queue" QF_PRINT_MODE="$1" timeout 60 "$jobs_program"; }
run jobs > /tmp/qf-print-check.log 2>&1 || { cat /tmp/qf-print-check.log; fail "the print commands failed"; }

# The three jobs of the queue, oldest first, once all have been printed.
ids=()
for _ in $(seq 1 150); do
  mapfile -t ids < <(lpstat -W completed -o "$queue" 2>/dev/null | awk '{print $1}' | sed 's/.*-//' | sort -n)
  [ "${#ids[@]}" -ge 3 ] && break
  sleep 0.2
done
[ "${#ids[@]}" -eq 3 ] || fail "expected 3 finished jobs on $queue, found ${#ids[@]}"

spooled() { pdftotext "$(printf '/var/spool/cups/d%05d-001' "$1")" - 2>/dev/null; }
blank=$(spooled "${ids[0]}"); key=$(spooled "${ids[1]}"); copies=$(spooled "${ids[2]}")
for page in "$blank" "$key" "$copies"; do
  grep -q "Sun and Dew" <<<"$page" || fail "a job lacks the puzzle's title"
  grep -q "Clue for SUN" <<<"$page" || fail "a job lacks the clues"
done
grep -qx "W" <<<"$key" || fail "the answer key carries no letters"
grep -qx "W" <<<"$blank" && fail "the blank puzzle carries the answers"
# The printer made the three copies: the virtual printer's file of that job has three pages.
out=""
for _ in $(seq 1 50); do
  out=$(ls -t "$HOME"/PDF/*job_"${ids[2]}".pdf 2>/dev/null | head -1)
  [ -n "$out" ] && break
  sleep 0.2
done
[ -n "$out" ] || fail "the virtual printer wrote no file for the copies"
pages=$(pdfinfo "$out" | awk '/^Pages:/ {print $2}')
[ "$pages" = "3" ] || fail "three copies came out as $pages pages"

cupsdisable "$queue"
run stopped > /tmp/qf-print-check.log 2>&1 || { cat /tmp/qf-print-check.log; fail "a stopped queue was not reported"; }
echo "print check: passed (jobs ${ids[*]} on $queue: blank, answer key, 3 copies as 3 pages; a stopped queue reported)"
