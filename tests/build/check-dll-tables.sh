#!/usr/bin/env bash
# Checks Torvik.dll's tables: exactly the four COM server entry points, undecorated, at
# ordinals 1-4; imports from Windows system DLLs only (the C++ runtime is linked in).
set -u
objdump=$1 dll=$2
tables=$("$objdump" -p "$dll") || { echo "cannot read $dll"; exit 1; }
status=0

exports=$(printf '%s\n' "$tables" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s*\[\s*[0-9]+\]' |
          sed -E 's/^\s*\[\s*[0-9]+\]\s*//' | tr -d '\r')
expected=$'DllCanUnloadNow\nDllGetClassObject\nDllRegisterServer\nDllUnregisterServer'
if [ "$exports" != "$expected" ]; then
  echo "exports differ from the four entry points:"; printf '%s\n' "$exports"; status=1
fi
# Ordinals: the export address table lists them as [   N] +base[   1] ...; check name to ordinal.
ordinals=$(printf '%s\n' "$tables" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s*\[\s*[0-9]+\]' |
           sed -E 's/^\s*\[\s*([0-9]+)\]\s*(\S+).*/\2 \1/')
base=$(printf '%s\n' "$tables" | sed -n 's/^Ordinal Base\s*//p' | tr -d ' \r')
i=1
while read -r name idx; do
  [ -z "$name" ] && continue
  ord=$((idx + base))
  case "$name" in
    DllCanUnloadNow) want=1 ;; DllGetClassObject) want=2 ;; DllRegisterServer) want=3 ;; DllUnregisterServer) want=4 ;;
    *) want=0 ;;
  esac
  if [ "$ord" != "$want" ]; then echo "$name has ordinal $ord, not $want"; status=1; fi
  i=$((i + 1))
done <<<"$ordinals"

allowed='^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|shlwapi|comctl32|comdlg32|wininet|msvcrt|ws2_32|uxtheme|version|msimg32)\.dll$'
imports=$(printf '%s\n' "$tables" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | tr -d '\r')
[ -n "$imports" ] || { echo "no import table found"; status=1; }
while read -r dllname; do
  [ -z "$dllname" ] && continue
  if ! [[ "$dllname" =~ $allowed ]]; then echo "imports a non-system DLL: $dllname"; status=1; fi
done <<<"$imports"

[ $status = 0 ] && echo "exports: $(echo $exports); imports: $(echo $imports)"
exit $status
