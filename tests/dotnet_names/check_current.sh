#!/bin/sh
# check_current.sh TOOL_DIR CHECKED_IN_TABLE WORK_DIR
# Makes the table of .NET names afresh and compares it with the checked-in one.
tool=$1 table=$2 work=$3
if ! command -v dotnet >/dev/null 2>&1; then
  echo "dotnet is not on the PATH: the check of $table is skipped."
  exit 77
fi
export DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1
fresh=$work/DotnetNames.cpp
if ! dotnet run --project "$tool" --artifacts-path "$work/artifacts" -- "$fresh" >"$work/run.log" 2>&1; then
  cat "$work/run.log"
  exit 1
fi
if ! cmp -s "$fresh" "$table"; then
  diff -u "$table" "$fresh" | head -40
  echo "$table is out of date: regenerate it with"
  echo "  dotnet run --project $tool --artifacts-path /tmp/dotnet_names -- $table"
  exit 1
fi
echo "$table is current."
