#!/usr/bin/env python3
"""Checks the shipped translations against the sources: brought up to date by lupdate (on copies,
as the developer's update target would), every message of every language must be translated and
still used, and each translation must keep its message's placeholders and mnemonic.

Usage: check_translations.py LUPDATE SOURCE_ROOT --options=OPTION;... --sources DIR... --ts FILE...
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(?:[1-9]|n)")
# A mnemonic: one "&" before a letter or digit; "&&" is a literal ampersand.
MNEMONIC = re.compile(r"(?<!&)&(?=[^&\s])")


def text_of(element):
    """An element's text with the characters lupdate writes as <byte value="xd"/> put back."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def mnemonics(text):
    return len(MNEMONIC.findall(text.replace("&&", "")))


def problems_in(path):
    language = os.path.basename(path)[len("keyvigil_"):-len(".ts")]
    root = ElementTree.parse(path).getroot()
    if root.get("language") != language:
        yield f"the file's language is {root.get('language')!r}, not {language!r}"
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            where = f"{name}: {source!r}"
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                yield f"{where} is no longer in the sources"
                continue
            if kind == "unfinished":
                yield f"{where} is not translated"
                continue
            forms = ([text_of(form) for form in translation.iter("numerusform")]
                     if message.get("numerus") == "yes" else [text_of(translation)])
            for form in forms:
                if not form.strip():
                    yield f"{where} has an empty translation"
                elif placeholders(form) != placeholders(source):
                    yield f"{where}: {form!r} changes the placeholders {placeholders(source)}"
                elif mnemonics(form) != mnemonics(source):
                    yield f"{where}: {form!r} has {mnemonics(form)} mnemonics, not {mnemonics(source)}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("lupdate")
    parser.add_argument("source_root")
    parser.add_argument("--sources", nargs="+", required=True)
    # lupdate's options, separated by ";" as CMake lists are, since they begin with "-".
    parser.add_argument("--options", default="")
    parser.add_argument("--ts", nargs="+", required=True)
    arguments = parser.parse_args()

    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        copies = []
        for shipped in arguments.ts:
            copy = os.path.join(folder, os.path.basename(shipped))
            shutil.copyfile(shipped, copy)
            copies.append(copy)
        # Without -no-obsolete: a message gone from the sources stays, marked, and is reported.
        options = [option for option in arguments.options.split(";")
                   if option and option != "-no-obsolete"]
        subprocess.run([arguments.lupdate, *options, *arguments.sources, "-ts", *copies],
                       cwd=arguments.source_root, check=True, stdout=subprocess.DEVNULL)
        for copy in copies:
            found = list(problems_in(copy))
            failures += len(found)
            for problem in found:
                print(f"{os.path.basename(copy)}: {problem}")
    print(f"{failures} problems in {len(arguments.ts)} translations")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
