#!/bin/sh
# check_current.sh TOOL_DIR CHECKED_IN_TABLE CHECKED_IN_KEYWORDS WORK_DIR
# Makes the table of .NET names and the keyword list afresh and compares them
# with the checked-in ones.
tool=$1 table=$2 keywords=$3 work=$4
if ! command -v dotnet >/dev/null 2>&1; then
  echo "dotnet is not on the PATH: the check of $table is skipped."
  exit 77
fi
export DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1
if ! dotnet run --project "$tool" --artifacts-path "$work/artifacts" -- "$work/DotnetNames.cpp" \
  "$work/VbReservedWords.inc" >"$work/run.log" 2>&1; then
  cat "$work/run.log"
  exit 1
fi
stale=0
for pair in "$work/DotnetNames.cpp:$table" "$work/VbReservedWords.inc:$keywords"; do
  fresh=${pair%%:*} checked=${pair#*:}
  if cmp -s "$fresh" "$checked"; then
    echo "$checked is current."
  else
    diff -u "$checked" "$fresh" | head -40
    echo "$checked is out of date."
    stale=1
  fi
done
if [ $stale = 1 ]; then
  echo "Regenerate with"
  echo "  dotnet run --project $tool --artifacts-path /tmp/dotnet_names -- $table $keywords"
fi
exit $stale
