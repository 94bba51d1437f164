#!/bin/sh
# Counts C and C++ lines that are neither blank nor only a comment: the tests
# (everything under tests/) against the program (everything else). Benchmarks
# and measuring programs count on neither side.
cd "$(dirname "$0")/.." || exit 1
git ls-files -co --exclude-standard -- '*.c' '*.cc' '*.cpp' '*.h' '*.hpp' |
python3 -c '
import re, sys

MEASURING = re.compile(r"^tests/bench/|^tests/win/Measure\w+\.cpp$")

def code_lines(path):
    count, in_block = 0, False
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            code, i, quote = False, 0, None
            while i < len(line):
                c = line[i]
                if in_block:
                    if line.startswith("*/", i):
                        in_block, i = False, i + 2
                        continue
                elif quote:
                    code = True
                    if c == "\\":
                        i += 1
                    elif c == quote:
                        quote = None
                elif line.startswith("//", i):
                    break
                elif line.startswith("/*", i):
                    in_block, i = True, i + 2
                    continue
                elif c in "\"\x27":
                    quote, code = c, True
                elif not c.isspace():
                    code = True
                i += 1
            count += code
    return count

tests = code = 0
for path in sys.stdin.read().split():
    if MEASURING.search(path):
        continue
    n = code_lines(path)
    if path.startswith("tests/"):
        tests += n
    else:
        code += n
print("test lines %d, code lines %d, ratio %.1f %%" % (tests, code, 100.0 * tests / code))
'
