#!/usr/bin/env python3
"""Loads each JSON file named on the command line as RFC 8259 has it: UTF-8
without a byte-order mark, no NaN or Infinity, no key twice in one object.
Says which file is not, and why; exit status 1 when one is not."""
import json
import sys


def no_constant(name):
    raise ValueError("%s is not JSON" % name)


def unique_keys(pairs):
    keys = [key for key, _ in pairs]
    if len(keys) != len(set(keys)):
        raise ValueError("a key twice in one object")
    return dict(pairs)


status = 0
for path in sys.argv[1:]:
    try:
        with open(path, "rb") as f:
            data = f.read()
        if data.startswith(b"\xef\xbb\xbf"):
            raise ValueError("a byte-order mark")
        json.loads(data.decode("utf-8"), parse_constant=no_constant,
                   object_pairs_hook=unique_keys)
    except ValueError as e:  # UnicodeDecodeError and JSONDecodeError too
        print("%s: not strict JSON: %s" % (path, e), file=sys.stderr)
        status = 1
sys.exit(status)
