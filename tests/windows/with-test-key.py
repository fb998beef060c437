#!/usr/bin/env python3
"""Writes a copy of Velmora.exe that trusts a test's throwaway key in place of the built-in
one: the built-in PEM (as update/feed.h spells it) replaced by the test's, of the same length.

    with-test-key.py FEED-H VELMORA-EXE PUBLIC-KEY-PEM OUT-EXE
"""
import re
import sys

header, program, key, out = sys.argv[1:]
lines = re.search(r'kVelmoraUpdateKey =\s*((?:"[^"]*"\s*)+);', open(header, encoding="utf-8").read()).group(1)
built_in = "".join(re.findall(r'"([^"]*)"', lines)).replace("\\n", "\n").encode()
new = open(key, "rb").read()
data = open(program, "rb").read()
if len(new) != len(built_in) or data.count(built_in) != 1:
    sys.exit("the built-in key is not in %s once, or the test's key is not a P-256 PEM" % program)
open(out, "wb").write(data.replace(built_in, new))
