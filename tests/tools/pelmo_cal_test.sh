#!/usr/bin/env bash
# pelmo-cal as a user meets it: a month with its holidays, a day listing,
# a holiday file, and a usage message with status 2 for every kind of bad
# argument.
# Every condition is single-quoted, for check to evaluate when it runs it,
# and it alone reads the results held for it.
# shellcheck disable=SC2016,SC2034
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

# A holiday file saved again as UTF-8 with a byte order mark: its years
# follow the file alone, the others the rules.
tmp=$(mktemp -d)
kana=$(printf 'ｱ%.0s' {1..64})
printf '\xEF\xBB\xBF国民の祝日・休日月日,国民の祝日・休日名称\r\n2026/1/1,元日\r\n2026/06/16,"県民の日"\r\n2026/9/20,%s\r\n' "$kana" >"$tmp/utf8.csv"
filedays=$("$cal" --holidays "$tmp/utf8.csv" --days 2025 2027)
check "a day of the file is a holiday" 'grep -qP "^2026-06-16\t[^\t]*\tHoliday\t県民の日\t" <<<"$filedays"'
check "a rules holiday left out of the file is not" 'grep -qP "^2026-01-12\t[^\t]*\tWeekday\t\t" <<<"$filedays"'
check "a name of 64 half-width kana with the equinox week joined" 'grep -qP "^2026-09-20\t[^\t]*\tHoliday\t$kana  彼岸入り\t" <<<"$filedays"'
check "the year after the file keeps the rules" 'grep -qP "^2027-01-11\t[^\t]*\tHoliday\t成人の日\t" <<<"$filedays"'
check "the month shows the file's day" '"$cal" --holidays "$tmp/utf8.csv" 2026 6 | grep -q "16\*"'
iconv -f UTF-8 -t CP932 <<<$'国民の祝日・休日月日,国民の祝日・休日名称\n2026/1/1,元日\n2026/2/30,休日' >"$tmp/bad.csv"
"$cal" --holidays "$tmp/bad.csv" 2026 1 >"$tmp/out" 2>"$tmp/err"
rc=$?
check "a damaged file fails with status 1 (got $rc)" '[ $rc -eq 1 ]'
check "it names the line and the reason" 'grep -q "line 3: no such day" "$tmp/err"'
check "and prints nothing" '[ ! -s "$tmp/out" ]'
check "the usage names the option" '"$cal" x 2>&1 | grep -q -- "--holidays FILE"'
rm -rf "$tmp"

for args in "2026 13" "0 1" "10000 1" "abc 1" "2026" "2026 1 1" "--days 2026" "--days 2027 2026" "--holidays"; do
    # shellcheck disable=SC2086
    "$cal" $args >/dev/null 2>/tmp/pelmo-cal-err.$$
    rc=$?
    check "status 2 for '$args' (got $rc)" '[ $rc -eq 2 ]'
    check "usage on stderr for '$args'" 'grep -qi usage /tmp/pelmo-cal-err.$$'
done
rm -f /tmp/pelmo-cal-err.$$
[ $fail -eq 0 ] && echo "pelmo-cal: all checks passed"
exit $fail
