#!/bin/sh
# Every day of the Solar Hijri years 1300 to 1500 at the 31 provincial capitals: the times of
# prayer reckoned by astronomy-engine (tools/make-owghat-oracle.js, every day rather than the
# tests' every 211th) and held against Velmora's within two seconds by the tests' own check.
# About an hour and a half of node on one core.
#   owghat-vs-astronomy-engine.sh ASTRONOMY-TESTS
set -eu
tests=$1
here=$(dirname "$0")
table=$(mktemp)
trap 'rm -f "$table"' EXIT
start=$(date +%s)
node "$here/../tools/make-owghat-oracle.js" 1 > "$table"
echo "$(($(wc -l < "$table") - 1)) capital-days reckoned by astronomy-engine in $(($(date +%s) - start)) s"
VELMORA_OWGHAT_ORACLE="$table" "$tests" --gtest_filter='PrayerTimes.WithinTwoSecondsOfAnIndependentReckoning'
