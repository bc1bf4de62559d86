#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The coilcalc developers
"""Writes the seed inputs of the fuzz targets: the worked examples of number entry, number
display and the four calculators, in the byte layout of tests/fuzz/properties.h.

    tests/fuzz/make-seeds.py [DIR]      (default: tests/fuzz/seeds beside this script)
"""
import math
import os
import struct
import sys

SEPARATORS = ['.', ',', '\u066B', '\u00B7', '\U0001F4A0']

# Texts written with ","; each is also written with every other separator in its place.
ENTRY_TEXTS = [
    '12,5', ' -0,25 ', ',5', '5,', '+7', '0005,500', '1e3', '1,5E-3', '1,5e2', ',', '-,', '1e',
    '1e+', '1e-', ',e5', '1e-400', '1e500', '1e4999', '1e5000', '1e4931', '1e-4950', '', '   ',
    '12.5', '1 000', '1,2,3', '- 5', '5 e3', 'e5', '12,5\t', '27271,634591', '-0', '+', '-',
    '1234567890123456789012', '0,' + '0' * 40 + '1', '9' * 30 + 'e4900',
    '0,4348967899677465', '11037,20006864465', '1,79769313486232E308', '4,94065645841247E-324',
    # The edges of the extended range: more digits than the accumulator holds; 10^4931 written
    # out; a power of ten of -5120 and below, which gives zero whatever the digits.
    '9' * 4934, '1' + '0' * 4931, '0,' + '0' * 5200 + '1', '1,' + '1' * 4800 + 'e-400',
]


def extended_bits(sign, biased, significand):
    return struct.pack('<QH', significand, (sign << 15) | biased)


def extended_of_double(x):
    """The 80-bit pattern of a double, which extended holds exactly."""
    (raw,) = struct.unpack('<Q', struct.pack('<d', x))
    sign, exp, frac = raw >> 63, (raw >> 52) & 0x7FF, raw & ((1 << 52) - 1)
    if exp == 0x7FF:
        return extended_bits(sign, 0x7FFF, (1 << 63) | (frac << 11))
    if exp == 0:
        if frac == 0:
            return extended_bits(sign, 0, 0)
        shift = 53 - frac.bit_length()  # normalise the subnormal
        return extended_bits(sign, 1 - 1023 + 16383 - shift, frac << (11 + shift))
    return extended_bits(sign, exp - 1023 + 16383, (1 << 63) | (frac << 11))


DISPLAY_DOUBLES = [
    0.0, -0.0, 0.5, -2.5, 12.5, 2500.0, 1234567.5, 123456789012345.0, 1234567890123456.0,
    999999999999999.9, 1e15, 123456789012345678.0, 1e21, 0.0001, 0.00015, 0.00001, 1.5e-5,
    1 / 3, 2 / 3, 100 / 3, 2 / 3 * 1e-7, 0.1 + 0.2, math.sqrt(2), 0.4348967899677465,
    11037.20006864465, 27271.634591, 1.7976931348623157e308, 5e-324, 2.2250738585072014e-308,
    math.inf, -math.inf, math.nan,
]

DISPLAY_PATTERNS = [
    extended_bits(0, 0, 1 << 63),                    # pseudo-denormal
    extended_bits(1, 0, (1 << 63) | 12345),          # negative pseudo-denormal
    extended_bits(0, 0, 1),                          # smallest extended subnormal
    extended_bits(0, 1, 1 << 63),                    # smallest normal
    extended_bits(0, 1, (1 << 64) - 1),
    extended_bits(0, 0x7FFE, (1 << 64) - 1),         # largest finite
    extended_bits(1, 0x7FFE, (1 << 64) - 1),
    extended_bits(0, 0x3FFF, 1 << 62),               # unnormal
    extended_bits(0, 0x7FFF, 0),                     # pseudo-infinity
    extended_bits(0, 0x7FFF, 1 << 62),               # pseudo-NaN
    extended_bits(0, 0x7FFF, (1 << 63) | 1),         # signalling NaN
    extended_bits(1, 0x7FFF, (3 << 62)),             # quiet NaN, indefinite
    extended_bits(0, 0x3FFF, (1 << 63)),             # 1
    extended_bits(0, 0x3FFE, (1 << 64) - 1),         # just below 1
]

# Input fields in screen order (core/calc/calculators.cpp) and worked cases.
CALCULATORS = [
    ('FormIndOdnosl', [
        ['5', '4', '10'], ['10', '20', '40'], ['10', '60', '10'], ['10', '100', '6'],
        ['0', '4', '10'], ['-5', '4', '10'], ['10', '-10', '0'], ['5', '30', '10'],
        ['5', '100', '5'], ['1', '-200', '90'], ['0', '-200', '90'], ['5', 'x', 'y'],
        ['1E200', '4', '10'], ['5', '1E400', '10'], ['', ' ', '4.5\t']]),
    ('FormIndMnogosl', [
        ['1', '5', '2', '805'], ['1', '1', '1', '100'], ['2', '3', '1', '200'],
        ['1', '5', '2', '0'], ['0', '0', '0', '5'], ['3', '-1', '0', '1'], ['x', '5', '2', 'y'],
        ['1E300', '1', '1', '1E300']]),
    ('FormVitkmnogosl', [
        ['1', '5', '1', '2500'], ['1', '5', '1', '100'], ['1', '5', '1', '1'],
        ['2', '3', '0.5', '10'], ['1', '5', '1', '0.0002'], ['1', '5', '1', '0.0001'],
        ['1', '0', '0', '5'], ['1', '5', '0', '0'], ['-15', '5', '1', '2500'],
        ['1', '5', '1', '-5'], ['1', '5', '1', '1E300'], ['1', '5', '1', '1E-300'], ['a', 'b', 'c', 'd']]),
    ('Formopt', [
        ['5100', '1', '8'], ['1000', '0.5', '4'], ['5100', '3', '8'], ['5100', '6', '4'],
        ['5100', '0.0001', '8'], ['5100', '0', '8'], ['5100', '0.00005', '8'], ['5100', '1', '0'],
        ['0', '1', '0'], ['5100', '1', '-8'], ['-5100', '1', '8'], ['0', '1', '8'],
        ['5100', '-7.5', '8'], ['5100', '-20', '8'], ['5100', '-100.0001', '8'], ['5100', '250', '8'],
        ['x', '1', 'y']]),
    ('Formopt wire', [
        ['5100', '1', '8'], ['5100', '0.5', '8'], ['1000', '0.5', '4'], ['0.5', '1', '8'],
        ['100', '0.1', '8'], ['1E300', '1E10', '8'], ['-1', '1', '8'], ['-1', '0', '8'],
        ['5100', '0', '8'], ['0', '1', '8'], ['5100', '1', '0'], ['5100', '1', '-8'],
        ['5100', '1', '-3.8'], ['1E70', '1', '8'], ['1E10', '1', '8'], ['x', '1', 'y']]),
]

# The reference at a working frequency: a calculator's slot, its fields, then the texts of f= (kHz)
# and dwire= (mm), written with "." as the separator.
CONDITIONS = [
    (0, ['5', '4', '10'], '1000', ''), (0, ['5', '4', '10'], '1000', '0.5'),
    (0, ['5', '4', '10'], '1000', '3'), (0, ['100', '100', '100'], '1500', ''),
    (0, ['100', '100', '100'], '9000', ''), (0, ['5', '4', '10'], 'abc', ''),
    (0, ['5', '4', '10'], '0', 'x'), (0, ['5', '4', '10'], '1E400', '1E-400'),
    (0, ['205E-310', '4', '10'], '100', ''), (1, ['1', '5', '2', '805'], '100', ''),
    (1, ['1', '5', '2', '805'], '100', '3'), (1, ['1', '5', '2', '805'], '1E6', '0.001'),
    (2, ['1', '5', '1', '2500'], '100', ''), (2, ['1', '5', '1', '2500'], '100', '1'),
    (3, ['5100', '1', '8'], '100', ''), (4, ['5100', '1', '8'], '1000', ''),
]


def write(directory, name, data):
    with open(os.path.join(directory, name), 'wb') as f:
        f.write(data)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), 'seeds')
    dirs = {t: os.path.join(root, t) for t in ('fuzz_number_entry', 'fuzz_number_display', 'fuzz_commands')}
    for d in dirs.values():
        os.makedirs(d, exist_ok=True)

    for k, text in enumerate(ENTRY_TEXTS):
        for s, sep in enumerate(SEPARATORS):
            if s > 1 and ',' not in text:
                continue
            write(dirs['fuzz_number_entry'], f'seed-{k:02d}-{s}', bytes([s]) + text.replace(',', sep).encode())

    patterns = [extended_of_double(x) for x in DISPLAY_DOUBLES] + DISPLAY_PATTERNS
    for k, bits in enumerate(patterns):
        write(dirs['fuzz_number_display'], f'seed-{k:02d}', bits + bytes([k % 5]))

    for slot, (_, cases) in enumerate(CALCULATORS):
        for k, texts in enumerate(cases):
            for s in (0, 1) if k < 3 else (0,):
                fields = [t.replace('.', SEPARATORS[s]).encode() for t in texts]
                write(dirs['fuzz_commands'], f'seed-{slot}-{k:02d}-{s}',
                      bytes([slot + 5 * s]) + b'\xff'.join(fields))

    for k, (slot, texts, f, dwire) in enumerate(CONDITIONS):
        write(dirs['fuzz_commands'], f'seed-{slot}-f{k:02d}',
              bytes([slot]) + b'\xff'.join(t.encode() for t in texts + [f, dwire]))


if __name__ == '__main__':
    main()
