#!/usr/bin/env python3
"""Writes the golden store archives and preferences domains the shared tests read.

The archives are laid out the way NSKeyedArchiver lays out a dictionary: "$null" first,
then each object after its container, class objects appended when first used and shared
by every object of that class, plain strings and numbers inline in $objects, equal
numbers and strings sharing one entry. Reals keep their width (4-byte floats, 8-byte
doubles), which plistlib cannot write, so this script has its own binary writer.

Run from anywhere: python3 tests/data/make_golden.py
"""

import os
import plistlib
import struct
from datetime import datetime, timezone

HERE = os.path.dirname(os.path.abspath(__file__))


class Float32(float):
    """A real written as a 4-byte float."""


class Pairs(list):
    """A dictionary as a list of pairs: keeps their order and may repeat a key."""


def _scalar_key(value):
    for kind in (bool, Float32, float, int, str, bytes, plistlib.UID):
        if isinstance(value, kind):
            raw = value.data if kind is plistlib.UID else value
            return (kind.__name__, struct.pack(">f", raw) if kind is Float32 else raw)
    return None


def _int_bytes(value):
    for marker, fmt, limit in ((0x10, ">B", 1 << 8), (0x11, ">H", 1 << 16), (0x12, ">L", 1 << 32)):
        if 0 <= value < limit:
            return bytes([marker]) + struct.pack(fmt, value)
    return b"\x13" + struct.pack(">q", value)


def _length_marker(kind, length):
    return bytes([kind << 4 | length]) if length < 15 else bytes([kind << 4 | 0xF]) + _int_bytes(length)


def write_binary_plist(root):
    objects, unique = [], {}

    def flatten(value):
        key = _scalar_key(value)
        if key is not None and key in unique:
            return unique[key]
        index = len(objects)
        objects.append(None)
        if key is not None:
            unique[key] = index
            objects[index] = value
        elif isinstance(value, list) and not isinstance(value, Pairs):
            objects[index] = ("array", [flatten(v) for v in value])
        else:
            pairs = value if isinstance(value, Pairs) else list(value.items())
            keys = [flatten(k) for k, _ in pairs]
            objects[index] = ("dict", keys, [flatten(v) for _, v in pairs])
        return index

    flatten(root)
    ref_format = ">B" if len(objects) < 256 else ">H"
    refs = lambda indexes: b"".join(struct.pack(ref_format, i) for i in indexes)
    out = bytearray(b"bplist00")
    offsets = []
    for obj in objects:
        offsets.append(len(out))
        if isinstance(obj, tuple):
            out += _length_marker(0xA if obj[0] == "array" else 0xD, len(obj[1]))
            out += b"".join(refs(r) for r in obj[1:])
        elif isinstance(obj, bool):
            out += b"\x09" if obj else b"\x08"
        elif isinstance(obj, Float32):
            out += b"\x22" + struct.pack(">f", obj)
        elif isinstance(obj, float):
            out += b"\x23" + struct.pack(">d", obj)
        elif isinstance(obj, int):
            out += _int_bytes(obj) if obj >= 0 else b"\x13" + struct.pack(">q", obj)
        elif isinstance(obj, str) and obj.isascii():
            out += _length_marker(0x5, len(obj)) + obj.encode("ascii")
        elif isinstance(obj, str):
            out += _length_marker(0x6, len(obj.encode("utf-16-be")) // 2) + obj.encode("utf-16-be")
        elif isinstance(obj, bytes):
            out += _length_marker(0x4, len(obj)) + obj
        else:
            size = 1 if obj.data < 1 << 8 else 2 if obj.data < 1 << 16 else 4
            out += bytes([0x80 | (size - 1)]) + obj.data.to_bytes(size, "big")
    table = len(out)
    offset_size = 1 if table < 1 << 8 else 2 if table < 1 << 16 else 4
    for offset in offsets:
        out += offset.to_bytes(offset_size, "big")
    out += bytes(6) + bytes([offset_size, struct.calcsize(ref_format)])
    return bytes(out + struct.pack(">QQQ", len(objects), 0, table))


# What an archive is made of, besides plain strings, numbers and data (shared inline):
class MutableString(str):
    pass


class MutableList(list):
    pass


class MutableDict(dict):
    pass


class Object:
    """An object of one field, e.g. a date: Object("NS.time", 86400.5, "NSDate", "NSObject")."""

    def __init__(self, field, value, *chain):
        self.field, self.value, self.chain = field, value, chain


class Ref(int):
    """An object already in $objects, archived again by reference."""


DICTIONARY, ARRAY = ("NSDictionary", "NSObject"), ("NSArray", "NSObject")
MUTABLE_DICTIONARY = ("NSMutableDictionary",) + DICTIONARY
MUTABLE_ARRAY = ("NSMutableArray",) + ARRAY


class Archive:
    """The $objects table of a keyed archive, filled in the archiver's order: a container
    before what it holds, its class object after."""

    def __init__(self):
        self.objects = ["$null"]
        self.classes = {}
        self.inline = {}

    def reserve(self):
        self.objects.append(None)
        return len(self.objects) - 1

    def class_object(self, *chain):
        if chain[0] not in self.classes:
            self.objects.append({"$classes": list(chain), "$classname": chain[0]})
            self.classes[chain[0]] = len(self.objects) - 1
        return plistlib.UID(self.classes[chain[0]])

    def put(self, index, chain, objects, keys=None):
        """Fills a reserved entry with a container of the entries `objects` (and `keys`)."""
        uids = lambda items: [plistlib.UID(item) for item in items]
        fields = {"NS.objects": uids(objects)} if keys is None else {
            "NS.keys": uids(keys), "NS.objects": uids(objects)}
        self.objects[index] = {**fields, "$class": self.class_object(*chain)}
        return index

    def add(self, value):
        """Archives `value`; returns its index in $objects."""
        if isinstance(value, Ref):
            return int(value)
        if isinstance(value, MutableString):
            value = Object("NS.string", str(value), "NSMutableString", "NSString", "NSObject")
        if isinstance(value, Object):
            index = self.reserve()
            self.objects[index] = {value.field: value.value, "$class": self.class_object(*value.chain)}
            return index
        if isinstance(value, list):
            index = self.reserve()
            objects = [self.add(item) for item in value]
            return self.put(index, MUTABLE_ARRAY if isinstance(value, MutableList) else ARRAY, objects)
        if isinstance(value, dict):
            index = self.reserve()
            keys, objects = [self.add(k) for k in value], [self.add(v) for v in value.values()]
            return self.put(index, MUTABLE_DICTIONARY if isinstance(value, MutableDict) else DICTIONARY,
                            objects, keys)
        key = _scalar_key(value)
        if key not in self.inline:
            self.objects.append(value)
            self.inline[key] = len(self.objects) - 1
        return self.inline[key]

    def bytes(self, root_index):
        return write_binary_plist(Pairs([
            ("$version", 100000),
            ("$archiver", "NSKeyedArchiver"),
            ("$top", {"root": plistlib.UID(root_index)}),
            ("$objects", self.objects),
        ]))


def archive(root):
    a = Archive()
    return a.bytes(a.add(root))


def shared_archive():
    """One array and one dictionary referenced from two places each, archived before the root
    so that references point backwards too."""
    a = Archive()
    shared_list, shared_dict = Ref(a.add(["one", "two"])), Ref(a.add({"k": 1}))
    return a.bytes(a.add(MutableDict({"first": shared_list, "second": shared_list, "dict": shared_dict,
                                      "holder": [shared_dict, shared_dict], "one": "one"})))


def cycle_archive():
    """An array that contains itself: no finite value has this shape."""
    a = Archive()
    root, key = a.reserve(), a.add("loop")
    loop = a.reserve()
    a.put(loop, MUTABLE_ARRAY, [a.add("x"), loop])
    return a.bytes(a.put(root, MUTABLE_DICTIONARY, [loop], [key]))


def deep_archive(levels=100):
    """Dictionaries nested deeper than any store holds."""
    a = Archive()
    chain = [a.reserve(), a.reserve()]
    key = a.add("d")
    chain += [a.reserve() for _ in range(levels - 1)]
    for parent, child in zip(chain, chain[1:]):
        a.put(parent, MUTABLE_DICTIONARY, [child], [key])
    a.put(chain[-1], MUTABLE_DICTIONARY, [], [])
    return a.bytes(chain[0])


def exponential_archive(levels=40):
    """Arrays each holding the next one twice: a small file for an enormous value."""
    a = Archive()
    root, key = a.reserve(), a.add("big")
    chain = [a.reserve() for _ in range(levels)]
    for parent, child in zip(chain, chain[1:]):
        a.put(parent, MUTABLE_ARRAY, [child] * 2)
    a.put(chain[-1], MUTABLE_ARRAY, [a.add("x")])
    return a.bytes(a.put(root, MUTABLE_DICTIONARY, [chain[0]], [key]))


def main():
    files = {
        # A store as the pane leaves it: numbers, a float, a string and the two lists.
        "archives/settings.prefs": archive(MutableDict({
            "warnCaps": True, "warnCount": 7, "soundVolume": Float32(0.5), "warnSound": "Glass",
            "excludeWords": True, "excludeWordsArray": ["NASA", "USA"],
            "excludeApplicationsArray": MutableList(["/usr/share/applications/gimp.desktop"]),
            "showOutlines": False, "convertedFromPlist": True})),
        # Keys and values archived as NSMutableString objects, lists as NSMutableArray.
        "archives/mutable_strings.prefs": archive(MutableDict({
            MutableString("warnSound"): MutableString("Basso"),
            MutableString("warnCount"): MutableString("  +0012abc"),
            MutableString("excludeWordsArray"): MutableList([MutableString("ABC"), "XYZ"])})),
        # Nested dictionaries, data inline and as an object, dates, wide numbers, Unicode.
        "archives/nested.prefs": archive(MutableDict({
            "inner": {"depth": 2, "innermost": MutableDict({"leaf": "x"})},
            "blob": bytes([0x0F, 0xBD, 0x77, 0x77, 0x01]),
            "mutableBlob": Object("NS.data", bytes([1, 2, 3]), "NSMutableData", "NSData", "NSObject"),
            "when": Object("NS.time", 86400.5, "NSDate", "NSObject"),
            "ratio": 0.1, "negative": -42, "wide": 5000000000, "caf\u00e9": "na\u00efve \u2603"})),
        "archives/shared.prefs": shared_archive(),
        "archives/cycle.prefs": cycle_archive(),
        # A well-formed archive whose root is an array, not a dictionary.
        "archives/array_root.prefs": archive(MutableList(["only"])),
        "archives/deep.prefs": deep_archive(),
        "archives/exponential.prefs": exponential_archive(),
        # An old preferences domain, keys deliberately out of order and one key repeated.
        "domains/binary.plist": write_binary_plist(Pairs([
            ("warnCount", 3), ("noMenuBar", True), ("warnSound", "Submarine"),
            ("soundVolume", Float32(0.25)), ("convertedFromPlist", False),
            ("excludeWordsArray", ["OK", "NASA"]), ("warnCount", 9)])),
        "domains/xml.plist": plistlib.dumps({
            "showFnUpperLeft": True, "warnCapsLimitCount": "4",
            "lastCheck": datetime(2001, 1, 2, tzinfo=timezone.utc), "token": b"\x00\xff",
            "nested": {"ratio": 0.75, "below": -1}}, fmt=plistlib.FMT_XML, sort_keys=False),
        # Keys holding a NUL character, which the property-list parser cannot walk.
        "domains/nul_key.plist": write_binary_plist(Pairs([("ok", True), ("a\x00b", True)])),
        "domains/nul_reference.plist":
            b'<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0">\n<dict>\n'
            b'\t<key>ok</key>\n\t<true/>\n\t<key>a&#x0;b</key>\n\t<true/>\n</dict>\n</plist>\n',
    }
    for name, data in files.items():
        path = os.path.join(HERE, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        # Every file but the deliberately ill-formed XML is a property list plistlib reads.
        if name != "domains/nul_reference.plist":
            plistlib.loads(data)


if __name__ == "__main__":
    main()
