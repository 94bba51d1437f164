#!/bin/bash
# Builds the Windows release into build/dist/: the portable zip and the
# installer. Both come out byte for byte the same from the same commit:
# every file gets the commit's time, and the zip lists its files in a fixed
# order with fixed attributes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset windows >/dev/null
cmake --build build/windows -j"${JOBS:-2}" --target anagrilla anagrilla_dat

# 1.2.0.0 from the version resource; the file names carry 1.2.
fileversion=$(sed -n 's/^FILEVERSION *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1.\2.\3.\4/p' res/anagrilla.rc)
version=${fileversion%.*.*}
[ -n "$version" ] || { echo "no FILEVERSION in res/anagrilla.rc" >&2; exit 1; }
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}

dist=build/dist
stage=$dist/stage/Anagrilla
rm -rf "$dist/stage"
mkdir -p "$stage"
cp build/windows/bin/anagrilla.exe build/windows/bin/anagrilla.dat "$stage/"
# Text files with CRLF, as Notepad expects; a byte order mark where a text
# has letters beyond ASCII, so that older Notepads read it as UTF-8.
python3 - "$stage" res/README.txt:README.txt LICENSE:LICENSE.txt \
  /usr/share/doc/wngerman/copyright:Wortliste-Copyright.txt \
  /usr/share/common-licenses/GPL-2:Wortliste-GPL-2.txt <<'PY'
import sys
stage = sys.argv[1]
for pair in sys.argv[2:]:
    source, name = pair.split(":")
    data = open(source, "rb").read()
    bom = b"\xef\xbb\xbf"
    if data.startswith(bom):
        data = data[len(bom):]
    data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
    if any(byte > 0x7F for byte in data):
        data = bom + data
    open(f"{stage}/{name}", "wb").write(data)
PY
chmod 644 "$stage"/*
chmod 755 "$stage/anagrilla.exe"
find "$dist/stage" -exec touch -h -d "@$epoch" {} +

zip=$dist/anagrilla-$version-win64.zip
python3 - "$dist/stage" "$zip" "$epoch" <<'PY'
import os, sys, time, zipfile
stage, target, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
stamp = time.gmtime(max(epoch, 315532800))[:6]  # zip times begin in 1980
with zipfile.ZipFile(target + ".new", "w") as archive:
    folder = zipfile.ZipInfo("Anagrilla/", stamp)
    folder.external_attr = (0o40755 << 16) | 0x10
    archive.writestr(folder, b"")
    for name in sorted(os.listdir(os.path.join(stage, "Anagrilla"))):
        info = zipfile.ZipInfo("Anagrilla/" + name, stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.create_system = 3
        mode = 0o755 if name.endswith(".exe") else 0o644
        info.external_attr = (0o100000 | mode) << 16
        with open(os.path.join(stage, "Anagrilla", name), "rb") as f:
            archive.writestr(info, f.read(), compresslevel=9)
os.replace(target + ".new", target)
PY

setup=$dist/anagrilla-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILEVERSION="$fileversion" \
  -DSTAGE="$root/$stage" -DICON="$root/res/icons/anagrilla.ico" -DOUTFILE="$root/$setup" \
  installer/anagrilla.nsi
ls -l "$zip" "$setup"
