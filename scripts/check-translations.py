#!/usr/bin/env python3
"""Checks the Spanish and Brazilian Portuguese catalogues against the source.

Runs lupdate over src/ into copies of translations/*.ts and fails when a text
the program shows has no finished translation (a new or changed text), or
when a translation lacks what its source needs at run time: the same %1, %2
... placeholders and, for a text with an access key, exactly one "&".
Exit code 0 when both catalogues are complete and sound.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGUAGES = ["es", "pt_BR"]


def find_lupdate():
    for candidate in ["/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6") or "", shutil.which("lupdate") or ""]:
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    return None


def placeholders(text):
    return sorted(set(re.findall(r"%L?(\d+)", text)))


def access_keys(text):
    # "&&" is a literal ampersand, "&amp;"-like entities belong to rich text
    # and an "&" before a blank is a word ("Henry & Helen").
    text = text.replace("&&", "")
    text = re.sub(r"&(#\d+|[a-zA-Z]+);", "", text)
    return len(re.findall(r"&(?=\S)", text))


def problems_of(source, translation):
    found = []
    if placeholders(source) != placeholders(translation):
        found.append("placeholders %s in the source, %s in the translation"
                     % (placeholders(source), placeholders(translation)))
    if access_keys(source) == 1 and access_keys(translation) != 1:
        found.append("the access key '&' is missing or doubled")
    return found


def check(path):
    failures = []
    tree = ET.parse(path)
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("obsolete", "vanished"):
                continue
            where = "%s: %r" % (name, source)
            if kind == "unfinished":
                failures.append(where + ": no finished translation")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for form in forms:
                if not form.strip():
                    failures.append(where + ": empty translation")
                for problem in problems_of(source, form):
                    failures.append(where + ": " + problem)
    return failures


def main():
    lupdate = find_lupdate()
    if lupdate is None:
        print("lupdate is missing (Debian package qt6-l10n-tools)", file=sys.stderr)
        return 1
    status = 0
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for language in LANGUAGES:
            copy = os.path.join(work, "pewlark_%s.ts" % language)
            shutil.copy(os.path.join(ROOT, "translations", "pewlark_%s.ts" % language), copy)
            copies.append(copy)
        # -I src: the classes' headers are included as "folder/X.h"; without
        # them lupdate files a namespaced class's texts under a wrong context.
        src = os.path.join(ROOT, "src")
        run = subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-I", src, src, "-ts"] + copies,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if run.returncode != 0:
            print(run.stdout, file=sys.stderr)
            return 1
        for language, copy in zip(LANGUAGES, copies):
            failures = check(copy)
            if failures:
                status = 1
                print("%s: %d text(s) not ready:" % (language, len(failures)))
                for failure in failures[:40]:
                    print("  " + failure)
                if len(failures) > 40:
                    print("  ... and %d more" % (len(failures) - 40))
            else:
                print("%s: every shown text has a sound translation" % language)
    if status:
        print("Update the catalogues: /usr/lib/qt6/bin/lupdate -no-obsolete -locations none -I src src "
              "-ts translations/pewlark_es.ts translations/pewlark_pt_BR.ts, then translate the new texts.")
    return status


if __name__ == "__main__":
    sys.exit(main())
