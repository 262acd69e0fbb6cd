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
REFERENCE_DATE = datetime(2001, 1, 1, tzinfo=timezone.utc)


class Float32(float):
    """A real written as a 4-byte float."""


class Date:
    def __init__(self, seconds):
        self.seconds = seconds


class Dict:
    """A dictionary whose pairs keep their order and may repeat a key."""

    def __init__(self, pairs):
        self.pairs = list(pairs)


def _scalar_key(value):
    if isinstance(value, bool):
        return ("bool", value)
    if isinstance(value, Float32):
        return ("f32", struct.pack(">f", value))
    if isinstance(value, float):
        return ("f64", struct.pack(">d", value))
    if isinstance(value, int):
        return ("int", value)
    if isinstance(value, str):
        return ("str", value)
    if isinstance(value, bytes):
        return ("data", value)
    if isinstance(value, plistlib.UID):
        return ("uid", value.data)
    if isinstance(value, Date):
        return ("date", value.seconds)
    return None


def _length_marker(kind, length):
    if length < 15:
        return bytes([kind << 4 | length])
    return bytes([kind << 4 | 0xF]) + _int_bytes(length)


def _int_bytes(value):
    if 0 <= value < 1 << 8:
        return b"\x10" + struct.pack(">B", value)
    if 0 <= value < 1 << 16:
        return b"\x11" + struct.pack(">H", value)
    if 0 <= value < 1 << 32:
        return b"\x12" + struct.pack(">L", value)
    return b"\x13" + struct.pack(">q", value)


def write_binary_plist(root):
    objects = []
    unique = {}

    def flatten(value):
        key = _scalar_key(value)
        if key is not None and key in unique:
            return unique[key]
        index = len(objects)
        objects.append(None)
        if key is not None:
            unique[key] = index
            objects[index] = value
        elif isinstance(value, list):
            objects[index] = ("array", [flatten(v) for v in value])
        elif isinstance(value, (dict, Dict)):
            pairs = value.pairs if isinstance(value, Dict) else list(value.items())
            keys = [flatten(k) for k, _ in pairs]
            values = [flatten(v) for _, v in pairs]
            objects[index] = ("dict", keys, values)
        else:
            raise TypeError(value)
        return index

    flatten(root)
    ref_size = 1 if len(objects) < 256 else 2
    ref_format = ">B" if ref_size == 1 else ">H"

    def refs(indexes):
        return b"".join(struct.pack(ref_format, i) for i in indexes)

    out = bytearray(b"bplist00")
    offsets = []
    for obj in objects:
        offsets.append(len(out))
        if isinstance(obj, tuple) and obj[0] == "array":
            out += _length_marker(0xA, len(obj[1])) + refs(obj[1])
        elif isinstance(obj, tuple) and obj[0] == "dict":
            out += _length_marker(0xD, len(obj[1])) + refs(obj[1]) + refs(obj[2])
        elif isinstance(obj, bool):
            out += b"\x09" if obj else b"\x08"
        elif isinstance(obj, Float32):
            out += b"\x22" + struct.pack(">f", obj)
        elif isinstance(obj, float):
            out += b"\x23" + struct.pack(">d", obj)
        elif isinstance(obj, int):
            out += _int_bytes(obj) if obj >= 0 else b"\x13" + struct.pack(">q", obj)
        elif isinstance(obj, str):
            if obj.isascii():
                out += _length_marker(0x5, len(obj)) + obj.encode("ascii")
            else:
                encoded = obj.encode("utf-16-be")
                out += _length_marker(0x6, len(encoded) // 2) + encoded
        elif isinstance(obj, bytes):
            out += _length_marker(0x4, len(obj)) + obj
        elif isinstance(obj, plistlib.UID):
            data = obj.data
            size = 1 if data < 1 << 8 else 2 if data < 1 << 16 else 4
            out += bytes([0x80 | (size - 1)]) + data.to_bytes(size, "big")
        elif isinstance(obj, Date):
            out += b"\x33" + struct.pack(">d", obj.seconds)
        else:
            raise TypeError(obj)
    table = len(out)
    offset_size = 1 if table < 1 << 8 else 2 if table < 1 << 16 else 4
    for offset in offsets:
        out += offset.to_bytes(offset_size, "big")
    out += bytes(6) + bytes([offset_size, ref_size])
    out += struct.pack(">QQQ", len(objects), 0, table)
    return bytes(out)


class Archive:
    """The $objects table of a keyed archive, filled in the archiver's order."""

    def __init__(self):
        self.objects = ["$null"]
        self.classes = {}
        self.inline = {}

    def reserve(self):
        self.objects.append(None)
        return len(self.objects) - 1

    def inline_object(self, value):
        """Strings and numbers: one entry per distinct value, as the archiver shares them."""
        key = _scalar_key(value)
        if key in self.inline:
            return self.inline[key]
        self.objects.append(value)
        self.inline[key] = len(self.objects) - 1
        return self.inline[key]

    def class_object(self, *chain):
        if chain[0] not in self.classes:
            self.objects.append({"$classes": list(chain), "$classname": chain[0]})
            self.classes[chain[0]] = len(self.objects) - 1
        return plistlib.UID(self.classes[chain[0]])

    def dictionary(self, pairs, chain=("NSDictionary", "NSObject")):
        """pairs: (key uid, value uid) callables run in the archiver's order."""
        index = self.reserve()
        keys = [plistlib.UID(k()) for k, _ in pairs]
        values = [plistlib.UID(v()) for _, v in pairs]
        self.objects[index] = {"NS.keys": keys, "NS.objects": values, "$class": None}
        self.objects[index]["$class"] = self.class_object(*chain)
        return index

    def array(self, items, chain=("NSArray", "NSObject")):
        index = self.reserve()
        refs = [plistlib.UID(item()) for item in items]
        self.objects[index] = {"NS.objects": refs, "$class": self.class_object(*chain)}
        return index

    def object_with(self, field, value, *chain):
        index = self.reserve()
        self.objects[index] = {field: value, "$class": self.class_object(*chain)}
        return index

    def mutable_string(self, text):
        return self.object_with("NS.string", text, "NSMutableString", "NSString", "NSObject")

    def date(self, seconds):
        return self.object_with("NS.time", seconds, "NSDate", "NSObject")

    def bytes(self, root_index):
        top = Dict([
            ("$version", 100000),
            ("$archiver", "NSKeyedArchiver"),
            ("$top", {"root": plistlib.UID(root_index)}),
            ("$objects", self.objects),
        ])
        return write_binary_plist(top)


MUTABLE_DICTIONARY = ("NSMutableDictionary", "NSDictionary", "NSObject")
MUTABLE_ARRAY = ("NSMutableArray", "NSArray", "NSObject")


def settings_archive():
    """A store as the pane leaves it: numbers, a float, a string and the two lists."""
    a = Archive()
    s = a.inline_object
    pairs = [
        (lambda: s("warnCaps"), lambda: s(True)),
        (lambda: s("warnCount"), lambda: s(7)),
        (lambda: s("soundVolume"), lambda: s(Float32(0.5))),
        (lambda: s("warnSound"), lambda: s("Glass")),
        (lambda: s("excludeWords"), lambda: s(True)),
        (lambda: s("excludeWordsArray"), lambda: a.array([lambda: s("NASA"), lambda: s("USA")])),
        (lambda: s("excludeApplicationsArray"),
         lambda: a.array([lambda: s("/usr/share/applications/gimp.desktop")], MUTABLE_ARRAY)),
        (lambda: s("showOutlines"), lambda: s(False)),
        (lambda: s("convertedFromPlist"), lambda: s(True)),
    ]
    return a.bytes(a.dictionary(pairs, MUTABLE_DICTIONARY))


def mutable_strings_archive():
    """Keys and values archived as NSMutableString objects, lists as NSMutableArray."""
    a = Archive()
    pairs = [
        (lambda: a.mutable_string("warnSound"), lambda: a.mutable_string("Basso")),
        (lambda: a.mutable_string("warnCount"), lambda: a.mutable_string("  +0012abc")),
        (lambda: a.mutable_string("excludeWordsArray"),
         lambda: a.array([lambda: a.mutable_string("ABC"), lambda: a.inline_object("XYZ")],
                         MUTABLE_ARRAY)),
    ]
    return a.bytes(a.dictionary(pairs, MUTABLE_DICTIONARY))


def nested_archive():
    """Nested dictionaries, data inline and as an object, dates, wide numbers, Unicode."""
    a = Archive()
    s = a.inline_object
    inner = lambda: a.dictionary([
        (lambda: s("depth"), lambda: s(2)),
        (lambda: s("innermost"), lambda: a.dictionary([(lambda: s("leaf"), lambda: s("x"))],
                                                        MUTABLE_DICTIONARY)),
    ])
    pairs = [
        (lambda: s("inner"), inner),
        (lambda: s("blob"), lambda: s(bytes([0x0F, 0xBD, 0x77, 0x77, 0x01]))),
        (lambda: s("mutableBlob"),
         lambda: a.object_with("NS.data", bytes([1, 2, 3]), "NSMutableData", "NSData",
                               "NSObject")),
        (lambda: s("when"), lambda: a.date(86400.5)),
        (lambda: s("ratio"), lambda: s(0.1)),
        (lambda: s("negative"), lambda: s(-42)),
        (lambda: s("wide"), lambda: s(5000000000)),
        (lambda: s("caf\u00e9"), lambda: s("na\u00efve \u2603")),
    ]
    return a.bytes(a.dictionary(pairs, MUTABLE_DICTIONARY))


def shared_archive():
    """One array and one dictionary referenced from two places each."""
    a = Archive()
    s = a.inline_object
    shared_list = a.array([lambda: s("one"), lambda: s("two")])
    shared_dict = a.dictionary([(lambda: s("k"), lambda: s(1))])
    # The root is reserved after the shared objects so that both point backwards too.
    pairs = [
        (lambda: s("first"), lambda: shared_list),
        (lambda: s("second"), lambda: shared_list),
        (lambda: s("dict"), lambda: shared_dict),
        (lambda: s("holder"), lambda: a.array([lambda: shared_dict, lambda: shared_dict])),
        (lambda: s("one"), lambda: s("one")),
    ]
    return a.bytes(a.dictionary(pairs, MUTABLE_DICTIONARY))


def cycle_archive():
    """An array that contains itself: no finite value has this shape."""
    a = Archive()
    s = a.inline_object
    root = a.reserve()
    key = s("loop")
    loop = a.reserve()
    a.objects[loop] = {"NS.objects": [plistlib.UID(s("x")), plistlib.UID(loop)],
                       "$class": a.class_object(*MUTABLE_ARRAY)}
    a.objects[root] = {"NS.keys": [plistlib.UID(key)], "NS.objects": [plistlib.UID(loop)],
                       "$class": a.class_object(*MUTABLE_DICTIONARY)}
    return a.bytes(root)


def array_root_archive():
    """A well-formed archive whose root is an array, not a dictionary."""
    a = Archive()
    return a.bytes(a.array([lambda: a.inline_object("only")], MUTABLE_ARRAY))


def deep_archive(levels=100):
    """Dictionaries nested deeper than any store holds."""
    a = Archive()
    s = a.inline_object
    root = a.reserve()
    previous = root
    for _ in range(levels):
        child = a.reserve()
        a.objects[previous] = {"NS.keys": [plistlib.UID(s("d"))],
                               "NS.objects": [plistlib.UID(child)], "$class": None}
        previous = child
    a.objects[previous] = {"NS.keys": [], "NS.objects": [], "$class": None}
    cls = a.class_object(*MUTABLE_DICTIONARY)
    for obj in a.objects:
        if isinstance(obj, dict) and "$class" in obj:
            obj["$class"] = cls
    return a.bytes(root)


def exponential_archive(levels=40):
    """Arrays each holding the next one twice: a small file for an enormous value."""
    a = Archive()
    s = a.inline_object
    root = a.reserve()
    key = s("big")
    first = len(a.objects)
    for i in range(levels):
        a.reserve()
    cls = a.class_object(*MUTABLE_ARRAY)
    for i in range(levels):
        index = first + i
        if i + 1 < levels:
            refs = [plistlib.UID(index + 1), plistlib.UID(index + 1)]
        else:
            refs = [plistlib.UID(s("x"))]
        a.objects[index] = {"NS.objects": refs, "$class": cls}
    a.objects[root] = {"NS.keys": [plistlib.UID(key)], "NS.objects": [plistlib.UID(first)],
                       "$class": a.class_object(*MUTABLE_DICTIONARY)}
    return a.bytes(root)


def binary_domain():
    """An old preferences domain, keys deliberately out of order and one key repeated."""
    return write_binary_plist(Dict([
        ("warnCount", 3),
        ("noMenuBar", True),
        ("warnSound", "Submarine"),
        ("soundVolume", Float32(0.25)),
        ("convertedFromPlist", False),
        ("excludeWordsArray", ["OK", "NASA"]),
        ("warnCount", 9),
    ]))


def xml_domain():
    return plistlib.dumps({
        "showFnUpperLeft": True,
        "warnCapsLimitCount": "4",
        "lastCheck": datetime(2001, 1, 2, tzinfo=timezone.utc),
        "token": b"\x00\xff",
        "nested": {"ratio": 0.75, "below": -1},
    }, fmt=plistlib.FMT_XML, sort_keys=False)


def nul_key_domains():
    """Keys holding a NUL character, which the property-list parser cannot walk."""
    binary = write_binary_plist(Dict([("ok", True), ("a\x00b", True)]))
    xml = (b'<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0">\n<dict>\n'
           b'\t<key>ok</key>\n\t<true/>\n\t<key>a&#x0;b</key>\n\t<true/>\n</dict>\n</plist>\n')
    return binary, xml


def main():
    nul_binary, nul_xml = nul_key_domains()
    files = {
        "archives/settings.prefs": settings_archive(),
        "archives/mutable_strings.prefs": mutable_strings_archive(),
        "archives/nested.prefs": nested_archive(),
        "archives/shared.prefs": shared_archive(),
        "archives/cycle.prefs": cycle_archive(),
        "archives/array_root.prefs": array_root_archive(),
        "archives/deep.prefs": deep_archive(),
        "archives/exponential.prefs": exponential_archive(),
        "domains/binary.plist": binary_domain(),
        "domains/xml.plist": xml_domain(),
        "domains/nul_key.plist": nul_binary,
        "domains/nul_reference.plist": nul_xml,
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
