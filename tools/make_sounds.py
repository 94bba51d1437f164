#!/usr/bin/env python3
"""Makes the game's ten sounds in res/sounds with sox and lame.

Three storage kinds, as the program keeps them: Microsoft ADPCM stereo
22050 Hz (sox writes it), 8-bit PCM mono (sox), and MPEG Layer 3 mono
16000 Hz at 20 kbit/s inside a RIFF WAVE file (lame makes the stream, this
script writes the WAVE around it, since neither tool does).
Run from anywhere: python3 tools/make_sounds.py
"""
import os
import struct
import subprocess
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOUNDS = os.path.join(ROOT, "res", "sounds")

WAVE_FORMAT_MPEGLAYER3 = 0x0055
MPEG_RATE = 16000
MPEG_KBITS = 20


def run(args):
    # -R seeds the noise and the dither, so that every run writes the same bytes.
    if args[0] == "sox":
        args = ["sox", "-R"] + args[1:]
    subprocess.run(args, check=True, capture_output=True)


def note(path, seconds, voice, frequency, rate, fade_out, delay=0.0, gain=-6):
    """One tone as a 16-bit mono file, silent for delay seconds before it starts."""
    run(["sox", "-n", "-r", str(rate), "-c", "1", "-b", "16", path, "synth", str(seconds), voice, str(frequency),
         "fade", "q", "0.005", str(seconds), str(fade_out), "gain", str(gain), "pad", str(delay)])


def mix(paths, out, total, rate):
    """Mixes the parts and trims or pads the result to exactly total seconds."""
    args = ["sox", "-m"] + paths if len(paths) > 1 else ["sox", paths[0]]
    run(args + ["-r", str(rate), "-c", "1", "-b", "16", out, "trim", "0", str(total), "pad", "0", "1",
                "trim", "0", str(total), "norm", "-3"])


def compose(parts, total, rate, work):
    """parts: (seconds, voice, frequency, fade_out, delay); returns a 16-bit mono file."""
    paths = []
    for i, (seconds, voice, frequency, fade_out, delay) in enumerate(parts):
        path = os.path.join(work, f"part{i}.wav")
        note(path, seconds, voice, frequency, rate, fade_out, delay)
        paths.append(path)
    out = os.path.join(work, "mix.wav")
    mix(paths, out, total, rate)
    return out


def save_adpcm_stereo(source, name):
    run(["sox", source, "-r", "22050", "-c", "2", "-e", "ms-adpcm", os.path.join(SOUNDS, name)])


def save_pcm8(source, name, rate):
    run(["sox", source, "-r", str(rate), "-c", "1", "-e", "unsigned-integer", "-b", "8",
         os.path.join(SOUNDS, name)])


def mpeg_wave_header(data_size, sample_count, frame_size):
    fmt = struct.pack("<HHIIHHH", WAVE_FORMAT_MPEGLAYER3, 1, MPEG_RATE, MPEG_KBITS * 1000 // 8, 1, 0, 12)
    # MPEGLAYER3WAVEFORMAT: id MPEG, no padding flag, block size, one frame per block, codec delay
    fmt += struct.pack("<HIHHH", 1, 2, frame_size, 1, 1393)
    chunks = b"fmt " + struct.pack("<I", len(fmt)) + fmt
    chunks += b"fact" + struct.pack("<I", 4) + struct.pack("<I", sample_count)
    chunks += b"data" + struct.pack("<I", data_size)
    riff_size = 4 + len(chunks) + data_size + (data_size & 1)
    return b"RIFF" + struct.pack("<I", riff_size) + b"WAVE" + chunks


def save_mpeg(source, name, seconds, work):
    resampled = os.path.join(work, "mono16k.wav")
    run(["sox", source, "-r", str(MPEG_RATE), "-c", "1", "-b", "16", resampled])
    stream = os.path.join(work, "stream.mp3")
    # Average bit rate 20 kbit/s; no info frame, which a wave player would
    # decode as a frame of silence.
    run(["lame", "--quiet", "-t", "-m", "m", "--abr", str(MPEG_KBITS), "-b", "16", "-B", "24", "-F", "--resample", "16", resampled, stream])
    with open(stream, "rb") as f:
        data = f.read()
    frame_size = 72 * MPEG_KBITS * 1000 // MPEG_RATE
    header = mpeg_wave_header(len(data), int(round(seconds * MPEG_RATE)), frame_size)
    with open(os.path.join(SOUNDS, name), "wb") as f:
        f.write(header + data + (b"\0" if len(data) & 1 else b""))


def make_all(work):
    def fresh(name):
        path = os.path.join(work, name)
        os.makedirs(path, exist_ok=True)
        return path

    # 110: a short dry tick for every typed or clicked letter
    tick = compose([(0.045, "square", 1500, 0.04, 0)], 0.045, 22050, fresh("110"))
    save_adpcm_stereo(tick, "type.wav")

    # 111: the clock ran out: an alarm beeping high-low
    beeps = [(0.22, "square", 880 if i % 2 == 0 else 660, 0.05, i * 0.25) for i in range(8)]
    save_mpeg(compose(beeps, 2.0, 44100, fresh("111")), "timeup.wav", 2.0, work)

    # 112: a warning, a falling two-tone ding-dong
    dingdong = [(0.25, "sine", 660, 0.2, 0), (0.25, "sine", 494, 0.2, 0.25)]
    save_pcm8(compose(dingdong, 0.5, 22050, fresh("112")), "warning.wav", 22050)

    # 113: the letters are shuffled: a short rattle of noise
    shuffle = os.path.join(fresh("113"), "rattle.wav")
    run(["sox", "-n", "-r", "22255", "-c", "1", "-b", "16", shuffle, "synth", "0.2", "brownnoise",
         "tremolo", "35", "90", "fade", "q", "0.01", "0.2", "0.08", "norm", "-3"])
    save_pcm8(shuffle, "shuffle.wav", 22255)

    # 114: a word was accepted: a rising bell chime
    chime = [(2.2 - d, "pluck", f, 1.8 - d, d) for d, f in ((0, 1046.5), (0.12, 1318.5), (0.24, 1568.0))]
    save_mpeg(compose(chime, 2.2, 44100, fresh("114")), "accepted.wav", 2.2, work)

    # 115: the letters go back: a quick falling sweep
    sweep = os.path.join(fresh("115"), "sweep.wav")
    run(["sox", "-n", "-r", "22050", "-c", "1", "-b", "16", sweep, "synth", "0.2", "sine", "1400-350",
         "fade", "q", "0.01", "0.2", "0.08", "norm", "-3"])
    save_adpcm_stereo(sweep, "back.wav")

    # 116: an unknown word: a low buzz
    buzz = [(0.4, "sawtooth", 110, 0.08, 0), (0.4, "square", 116, 0.08, 0)]
    save_pcm8(compose(buzz, 0.4, 22050, fresh("116")), "wrong.wav", 22050)

    # 117: everything found: a fanfare ending on a held major chord
    fanfare = [(0.16, "sawtooth", 392.0, 0.05, 0.0), (0.16, "sawtooth", 392.0, 0.05, 0.18),
               (0.16, "sawtooth", 392.0, 0.05, 0.36), (0.5, "sawtooth", 523.3, 0.1, 0.54),
               (0.3, "sawtooth", 392.0, 0.08, 1.1), (0.3, "sawtooth", 523.3, 0.08, 1.42)]
    fanfare += [(2.3, "sawtooth", f, 1.2, 1.8) for f in (523.3, 659.3, 784.0, 1046.5)]
    save_mpeg(compose(fanfare, 4.1, 44100, fresh("117")), "allfound.wav", 4.1, work)

    # 118: given up after finding some words: a calm falling fourth
    calm = [(0.6, "pluck", 392.0, 0.4, 0), (0.8, "pluck", 293.7, 0.7, 0.6)]
    save_mpeg(compose(calm, 1.4, 44100, fresh("118")), "gaveup.wav", 1.4, work)

    # 119: nothing found or no tries left: a sinking wah-wah-wah-waah
    sad = [(0.38, "sawtooth", f, 0.12, i * 0.4) for i, f in enumerate((311.1, 293.7, 277.2))]
    sad += [(0.9, "sawtooth", 261.6, 0.5, 1.2)]
    save_mpeg(compose(sad, 2.1, 44100, fresh("119")), "lost.wav", 2.1, work)


def main():
    os.makedirs(SOUNDS, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        make_all(work)


if __name__ == "__main__":
    main()
