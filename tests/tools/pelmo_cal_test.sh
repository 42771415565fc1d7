#!/usr/bin/env bash
# pelmo-cal as a user meets it: a month with its holidays, a day listing,
# and a usage message with status 2 for every kind of bad argument.
set -u
cal="$1"
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }

out=$("$cal" 2026 2)
check "February 2026 names the Emperor's Birthday" 'grep -q "天皇誕生日" <<<"$out"'
check "the listing names Feb 23" 'grep -q "23" <<<"$out"'
check "the title names the year" 'grep -q "2026" <<<"$out"'

days=$("$cal" --days 2026 2026)
check "a line for every day of 2026" '[ "$(wc -l <<<"$days")" -eq 365 ]'
check "Mountain Day is a holiday" 'grep -qP "^2026-08-11\t2026年08月11日\(火\)\tHoliday\t山の日\t$" <<<"$days"'
check "Dec 23 2026 is a plain weekday" 'grep -qP "^2026-12-23\t[^\t]*\tWeekday\t\t$" <<<"$days"'
check "an observance has its column" 'grep -qP "^2026-12-25\t[^\t]*\tWeekday\t\tクリスマス$" <<<"$days"'

for args in "2026 13" "0 1" "10000 1" "abc 1" "2026" "2026 1 1" "--days 2026" "--days 2027 2026"; do
    # shellcheck disable=SC2086
    "$cal" $args >/dev/null 2>/tmp/pelmo-cal-err.$$
    rc=$?
    check "status 2 for '$args' (got $rc)" '[ $rc -eq 2 ]'
    check "usage on stderr for '$args'" 'grep -qi usage /tmp/pelmo-cal-err.$$'
done
rm -f /tmp/pelmo-cal-err.$$
[ $fail -eq 0 ] && echo "pelmo-cal: all checks passed"
exit $fail
