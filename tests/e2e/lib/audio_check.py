#!/usr/bin/env python3
"""Measures an audio file with ffprobe and ffmpeg and checks it against
what a recording of a known tone should hold.

    audio_check.py FILE [--duration S --duration-tolerance S]
                        [--frequency HZ [--breaks N]]
                        [--level DBFS --level-tolerance DB]

--frequency also checks that the tone runs with no more than N breaks
(none by default): a gap, a jump or noise in it.

Prints what it measured; exits 1 with one line per failed check, 2 when
the file cannot be read at all.
"""

import argparse
import array
import math
import subprocess
import sys

RATE = 44100


def probe_duration(path):
    """The container's duration as ffprobe reports it."""
    result = subprocess.run(
        ["ffprobe", "-v", "error", "-show_entries", "format=duration",
         "-of", "default=noprint_wrappers=1:nokey=1", path],
        capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise ValueError("ffprobe cannot open it: " + result.stderr.strip())
    try:
        return float(result.stdout.strip())
    except ValueError:
        raise ValueError("ffprobe gives no duration: " + result.stdout.strip()) from None


def decode_mono(path):
    """The whole file as 16-bit mono samples at RATE."""
    result = subprocess.run(
        ["ffmpeg", "-v", "error", "-i", path, "-ac", "1", "-ar", str(RATE),
         "-f", "s16le", "-acodec", "pcm_s16le", "-"],
        capture_output=True, check=False)
    if result.returncode != 0:
        raise ValueError("ffmpeg cannot decode it: " + result.stderr.decode(errors="replace").strip())
    samples = array.array("h")
    samples.frombytes(result.stdout[: len(result.stdout) // 2 * 2])
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def sine_level_dbfs(samples):
    """Peak level of a sine with the samples' RMS, in dB of full scale."""
    if not samples:
        return -math.inf
    power = sum(s * s for s in samples) / len(samples)
    if power == 0:
        return -math.inf
    return 10 * math.log10(power / (32768.0 * 32768.0)) + 10 * math.log10(2)


def upward_crossings(samples):
    """Sample positions, interpolated, where the wave rises through zero."""
    crossings = []
    for i in range(1, len(samples)):
        a, b = samples[i - 1], samples[i]
        if a < 0 <= b:
            crossings.append(i - 1 + (-a) / (b - a))
    return crossings


def tone_of(samples):
    """The tone's frequency from its median period, and the times where a
    period differs from it by more than a tenth: a gap, a jump or noise."""
    crossings = upward_crossings(samples)
    periods = [b - a for a, b in zip(crossings, crossings[1:])]
    if not periods:
        return 0.0, []
    period = sorted(periods)[len(periods) // 2]
    breaks = []
    for i, p in enumerate(periods):
        at = crossings[i + 1] / RATE
        # One break disturbs a few periods; count it once.
        if abs(p - period) > period / 10 and (not breaks or at - breaks[-1] > 0.02):
            breaks.append(at)
    return RATE / period, breaks


def measure(path):
    duration = probe_duration(path)
    samples = decode_mono(path)
    # Clear of the coders' delay at the start and of a cut frame at the end.
    margin = RATE // 5
    body = samples[margin: len(samples) - margin]
    frequency, breaks = tone_of(body)
    return {
        "duration": duration,
        "decoded": len(samples) / RATE,
        "frequency": frequency,
        "breaks": [margin / RATE + t for t in breaks],
        "level": sine_level_dbfs(body),
    }


def failures(found, args):
    problems = []
    if args.duration is not None and abs(found["duration"] - args.duration) > args.duration_tolerance:
        problems.append("lasts %.2f s, expected %.2f s (+-%.2f)"
                        % (found["duration"], args.duration, args.duration_tolerance))
    if args.duration is not None:
        # What the header promises must really be there.
        if found["decoded"] < found["duration"] - 0.3:
            problems.append("says %.2f s but only %.2f s decode" % (found["duration"], found["decoded"]))
    if args.frequency is not None:
        if abs(found["frequency"] - args.frequency) > args.frequency * 0.01:
            problems.append("tone at %.1f Hz, expected %.1f Hz" % (found["frequency"], args.frequency))
        if len(found["breaks"]) > args.breaks:
            problems.append("the tone breaks at %s s"
                            % ", ".join("%.3f" % t for t in found["breaks"][:10]))
    if args.level is not None and not abs(found["level"] - args.level) <= args.level_tolerance:
        problems.append("level %.2f dBFS, expected %.2f dBFS (+-%.1f)"
                        % (found["level"], args.level, args.level_tolerance))
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("file")
    parser.add_argument("--duration", type=float)
    parser.add_argument("--duration-tolerance", type=float, default=0.7)
    parser.add_argument("--frequency", type=float)
    parser.add_argument("--breaks", type=int, default=0)
    parser.add_argument("--level", type=float)
    parser.add_argument("--level-tolerance", type=float, default=2.0)
    args = parser.parse_args()
    try:
        found = measure(args.file)
    except (OSError, ValueError) as error:
        print("%s: %s" % (args.file, error))
        return 2
    expected = " (recorded for %.2f s)" % args.duration if args.duration is not None else ""
    print("%s: %.2f s%s, %.2f s decoded, %.1f Hz, %d breaks, %.2f dBFS"
          % (args.file, found["duration"], expected, found["decoded"], found["frequency"],
             len(found["breaks"]), found["level"]))
    problems = failures(found, args)
    for problem in problems:
        print("  " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
