#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
"""Writes N case lines for coilcalc-cli, for memory and endurance runs: every calculator (the
optimal coil in both modes), the number pseudo-window, good and bad texts, faults, notices,
separator changes and resets, in a seeded random mix.

    tests/fuzz/make-cli-cases.py 1000000 > cases.txt
    /usr/bin/time -v build/cli/coilcalc-cli < cases.txt > /dev/null

The turns calculator gets no negative or vanishing dimensions: with those its search tests count
after count up to its bound, seconds per case, which would measure the search, not memory.
"""
import random
import sys

GOOD = ['0', '1', '2', '5', '10', '0.5', '3.8', '100', '805', '5100', '1E3', '2.5e-3', '1e200',
        '-1', '-5', '  7 ', '+4', '.5', '5.', '1e', '0.0001', '27271.634591', '1e-400']
BAD = ['', ' ', 'x', '1,5', '1 000', '1.2.3', '- 5', 'e5', '1e5000', '1e4999', '4\\t', 'абв',
       '1e400', '\\\\', '0x10', 'NaN', 'INF']
POSITIVE = ['0.5', '1', '2', '3', '5', '10', '0.1', '1e-3', '100', '2500', '1e4']

WINDOWS = [
    ('FormIndOdnosl', ['VvodN', 'Vvodd', 'Vvodl'], GOOD),
    ('FormIndMnogosl', ['vvodDbn', 'VvodL', 'vvodDr', 'vvodN'], GOOD),
    ('FormVitkmnogosl', ['vvoddbn', 'vvodl', 'vvodd', 'vvodLL'], POSITIVE + ['0']),
    ('Formopt', ['vvodLind', 'vvodNdb', 'vvodRn'], GOOD + ['-7.5', '-20', '250', '0.00005']),
]


def text(rng, good):
    return rng.choice(BAD) if rng.random() < 0.05 else rng.choice(good)


def case(rng):
    r = rng.random()
    if r < 0.02:
        return 'reset'
    if r < 0.12:
        line = 'number\ttext=' + text(rng, GOOD)
    else:
        window, fields, good = rng.choice(WINDOWS)
        items = [window]
        for field in fields:
            if rng.random() < 0.7:
                items.append(field + '=' + text(rng, good))
        if window == 'Formopt' and rng.random() < 0.5:
            items.append('CheckBox1=1')
        line = '\t'.join(items)
    if rng.random() < 0.1:
        line += '\tsep=' + rng.choice([',', '.', '\u066B'])
    return line


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 1)
    out = sys.stdout
    for _ in range(n):
        out.write(case(rng) + '\n')


if __name__ == '__main__':
    main()
