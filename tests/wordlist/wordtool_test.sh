#!/bin/sh
# wordtool over an own list: the settings from the command line, the output
# in the program's Windows-1252 bytes. Usage: wordtool_test.sh WORDTOOL DIR
set -e
tool=$1
dir=$2
mkdir -p "$dir"
printf 'Haus\r\nhaus\r\nT\374r\r\nSt\374r\r\nRasse\r\n\r\nHausT\374r\r\nAst' > "$dir/own.txt"
fail=0
check() {
  expected=$1
  shift
  actual=$("$tool" "$@" | od -An -c | tr -s ' \n' ' ')
  want=$(printf "$expected" | od -An -c | tr -s ' \n' ' ')
  if [ "$actual" != "$want" ]; then
    echo "FAILED: wordtool $*"
    echo "  expected:$want"
    echo "  actual:  $actual"
    fail=1
  fi
}
# The start word comes as UTF-8 from a terminal.
check 'HAUS\nHAUS\nTUER\nSTUER\nAST\ntotal 5\n' search --own "$dir/own.txt" 'Haustür' --upper 1 --subst 1
check 'Haus\ntotal 1\n' search --own "$dir/own.txt" 'Haustür'
check 'Haus\nhaus\nSt\374r\ntotal 3\n' search --own "$dir/own.txt" 'Haustür' --lax 1 --ang 4
check 'Haus\nhaus\nT\374r\nSt\374r\nRasse\n\nHausT\374r\nAst\n' dump --own "$dir/own.txt"
# A pipe cannot tell its size before it is read.
if [ "$(printf 'Haus\r\nTor\r\n' | "$tool" dump --own /dev/stdin)" != "$(printf 'Haus\nTor')" ]; then
  echo "FAILED: an own list from a pipe"
  fail=1
fi
if "$tool" dump "$dir/missing.dat" >/dev/null 2>&1; then
  echo "FAILED: a missing standard list must fail"
  fail=1
fi
[ $fail -eq 0 ] && echo "wordtool: all checks passed"
exit $fail
