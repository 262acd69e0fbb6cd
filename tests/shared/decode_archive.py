#!/usr/bin/env python3
"""Decodes the store archive on stdin with plistlib alone and prints it as canonical JSON:
{"root class": ..., "root": value}, reals, data and dates tagged so that kinds stay apart."""

import json
import plistlib
import sys

archive = plistlib.loads(sys.stdin.buffer.read())
assert archive["$archiver"] == "NSKeyedArchiver" and archive["$version"] == 100000, archive
objects = archive["$objects"]
assert objects[0] == "$null"


def decode(uid):
    obj = objects[uid.data]
    if isinstance(obj, dict):
        name = objects[obj["$class"].data]["$classname"]
        if name in ("NSDictionary", "NSMutableDictionary"):
            return {decode(k): decode(v) for k, v in zip(obj["NS.keys"], obj["NS.objects"])}
        if name in ("NSArray", "NSMutableArray"):
            return [decode(v) for v in obj["NS.objects"]]
        if name == "NSDate":
            return {"date": obj["NS.time"]}
        raise ValueError(name)
    if isinstance(obj, (bool, int, str)):
        return obj
    if isinstance(obj, float):
        return {"real": obj}
    if isinstance(obj, bytes):
        return {"data": obj.hex()}
    raise ValueError(repr(obj))


root = archive["$top"]["root"]
print(json.dumps({"root class": objects[objects[root.data]["$class"].data]["$classname"],
                  "root": decode(root)}, sort_keys=True))
