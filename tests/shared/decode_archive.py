#!/usr/bin/env python3
"""Decodes a store archive with plistlib alone and prints it as canonical JSON.

Checks the archive's envelope and prints {"root class": ..., "root": value}, where values
are tagged so that kinds stay apart: reals as {"real": x}, data as {"data": hex}, dates as
{"date": seconds}, arrays as lists, dictionaries as objects.
"""

import json
import plistlib
import sys

with open(sys.argv[1], "rb") as f:
    archive = plistlib.load(f)
assert archive["$archiver"] == "NSKeyedArchiver", archive["$archiver"]
assert archive["$version"] == 100000, archive["$version"]
objects = archive["$objects"]
assert objects[0] == "$null"


def decode(uid):
    obj = objects[uid.data]
    if isinstance(obj, dict):
        name = objects[obj["$class"].data]["$classname"]
        if name in ("NSDictionary", "NSMutableDictionary"):
            keys = [decode(k) for k in obj["NS.keys"]]
            return {k: decode(v) for k, v in zip(keys, obj["NS.objects"])}
        if name in ("NSArray", "NSMutableArray"):
            return [decode(v) for v in obj["NS.objects"]]
        if name == "NSDate":
            return {"date": obj["NS.time"]}
        raise ValueError(name)
    if isinstance(obj, bool) or isinstance(obj, int) or isinstance(obj, str):
        return obj
    if isinstance(obj, float):
        return {"real": obj}
    if isinstance(obj, bytes):
        return {"data": obj.hex()}
    raise ValueError(repr(obj))


root = archive["$top"]["root"]
print(json.dumps({"root class": objects[objects[root.data]["$class"].data]["$classname"],
                  "root": decode(root)}, sort_keys=True))
