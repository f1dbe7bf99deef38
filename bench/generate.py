#!/usr/bin/env python3
"""Writes a preferences file and the same values as a .reg file.

    generate.py [--no-machine] COUNT OUT.xml OUT.reg

Values are spread over sections (known ones and unknown ones), the three
scopes and the four types.  Per-machine values go under HKLM in the .reg file,
the others under HKCU, which is where the program puts them in a prefix whose
machine key may be written.  With --no-machine the file holds per-user values
only, so that no machine key exists: the usual machine.
"""
import sys

SECTIONS = ["General", "Appearance", "Backup", "Delays", "Fonts", "Logs", "Network",
            "Printer", "Startup", "Updates", "Bench One", "Bench Two"]
KNOWN = set(SECTIONS[:10])
SCOPES = [("PerUserRoam", "HKEY_CURRENT_USER"), ("PerUserNonRoam", "HKEY_CURRENT_USER"),
          ("PerMachine", "HKEY_LOCAL_MACHINE")]
TYPES = ["integer", "string", "boolean", "binary"]
PRODUCT = r"Software\Orlavex\Wrenfold 4"


def value_of(i, kind):
    if kind == "integer":
        return (i * 7919) % 2000000 - 1000000
    if kind == "boolean":
        return i % 2
    if kind == "string":
        return "Text %d of the bench with some length to it" % i
    return bytes((i + k) % 256 for k in range(8 + i % 24))


def main():
    args = sys.argv[1:]
    scopes = SCOPES
    if args and args[0] == "--no-machine":
        scopes = [scope for scope in SCOPES if scope[1] == "HKEY_CURRENT_USER"]
        args = args[1:]
    count, xml_name, reg_name = int(args[0]), args[1], args[2]
    per_group = 50
    groups = {}
    for i in range(count):
        group = i // per_group
        scope = scopes[group % len(scopes)]
        section = SECTIONS[(group // len(scopes)) % len(SECTIONS)]
        kind = TYPES[i % len(TYPES)]
        groups.setdefault((scope, section, group), []).append(("Value %d" % i, kind, value_of(i, kind)))

    xml = ['<?xml version="1.0" encoding="windows-1252"?>',
           "<!DOCTYPE Wrenfold_Preferences>", "<Wrenfold_Preferences>", "<Wrenfold>"]
    reg = ["Windows Registry Editor Version 5.00", ""]
    for (scope, section, _), values in groups.items():
        xml.append("<%s><%s>" % (scope[0], section.replace(" ", "_")))
        key = section if section in KNOWN else "$Unknown\\" + section
        reg.append("[%s\\%s\\%s]" % (scope[1], PRODUCT, key))
        for name, kind, value in values:
            element = name.replace(" ", "_")
            if kind == "binary":
                text = value.hex().upper()
                data = "hex:" + ",".join("%02x" % b for b in value)
            elif kind == "string":
                text = value
                data = '"%s"' % value
            else:
                text = str(value)
                data = "dword:%08x" % (value & 0xFFFFFFFF)
            xml.append('<%s type="%s">%s</%s>' % (element, kind, text, element))
            reg.append('"%s"=%s' % (name, data))
        xml.append("</%s></%s>" % (section.replace(" ", "_"), scope[0]))
        reg.append("")
    xml += ["</Wrenfold>", "</Wrenfold_Preferences>", ""]

    with open(xml_name, "w", encoding="cp1252", newline="\r\n") as out:
        out.write("\n".join(xml))
    with open(reg_name, "w", encoding="utf-16", newline="\r\n") as out:
        out.write("\n".join(reg) + "\n")


if __name__ == "__main__":
    main()
