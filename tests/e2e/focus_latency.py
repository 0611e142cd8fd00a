#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads an Orca debug log and prints, for each Tab, how long after the key Orca began to speak
the control that took the focus (the first speech after the key's own echo).
Exits 1 when any took longer than LIMIT seconds.

Usage: focus_latency.py ORCA-DEBUG-LOG LIMIT"""

import re
import sys
from datetime import datetime

SPEECH = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'\s?\{")


def main():
    log, limit = sys.argv[1], float(sys.argv[2])
    spoken = []
    with open(log, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            match = SPEECH.match(line)
            if match:
                spoken.append((datetime.strptime(match[1], "%H:%M:%S.%f"), match[2]))
    delays = []
    for i, (at, text) in enumerate(spoken):
        if text.strip() != "tab":
            continue
        following = [s for s in spoken[i + 1:i + 3] if s[1].strip() != "tab"]
        if following:
            delay = (following[0][0] - at).total_seconds()
            delays.append(delay)
            print(f"{delay:5.2f} s  {following[0][1][:60]}")
    if not delays:
        print("focus latency: no Tab heard")
        return 1
    worst = max(delays)
    print(f"focus latency: {len(delays)} focus changes, longest {worst:.2f} s (limit {limit} s)")
    return 0 if worst <= limit else 1


if __name__ == "__main__":
    sys.exit(main())
