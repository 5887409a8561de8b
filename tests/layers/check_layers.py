#!/usr/bin/env python3
"""Fails when platform/'s includes do not point down.

The folders of platform/ and their order, from the bottom, are the table "The folders of
platform/" in docs/architecture.md. A unit is a .h with its .cpp. A unit may include units of
its own folder and of the folders listed before it; no two units include each other, through
any chain of includes.
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"platform/([^"]+)\.(?:h|cpp)"', re.MULTILINE)
TABLE_ROW = re.compile(r"^\|\s*`platform/([a-z_]+)/`\s*\|", re.MULTILINE)
TABLE_HEADING = "## The folders of `platform/`"


def folder_order(doc: Path) -> list[str]:
    text = doc.read_text(encoding="utf-8")
    start = text.find(TABLE_HEADING)
    if start < 0:
        sys.exit(f"{doc}: no heading '{TABLE_HEADING}'")
    section = text[start:].split("\n## ", 1)[0]
    order = TABLE_ROW.findall(section)
    if not order:
        sys.exit(f"{doc}: no folders under '{TABLE_HEADING}'")
    return order


def unit_includes(platform: Path) -> dict[str, set[str]]:
    includes: dict[str, set[str]] = {}
    for source in sorted(platform.rglob("*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        unit = source.relative_to(platform).with_suffix("").as_posix()
        found = includes.setdefault(unit, set())
        found.update(INCLUDE.findall(source.read_text(encoding="utf-8")))
        found.discard(unit)
    return includes


def cycles(includes: dict[str, set[str]]) -> list[list[str]]:
    """Every group of units that reach each other through includes (Tarjan)."""
    index: dict[str, int] = {}
    low: dict[str, int] = {}
    stack: list[str] = []
    groups: list[list[str]] = []

    def visit(unit: str) -> None:
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        for included in sorted(includes.get(unit, ())):
            if included not in index:
                visit(included)
                low[unit] = min(low[unit], low[included])
            elif included in stack:
                low[unit] = min(low[unit], index[included])
        if low[unit] == index[unit]:
            group = []
            while True:
                member = stack.pop()
                group.append(member)
                if member == unit:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for unit in sorted(includes):
        if unit not in index:
            visit(unit)
    return groups


def main() -> int:
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2]
    order = folder_order(root / "docs" / "architecture.md")
    rank = {folder: place for place, folder in enumerate(order)}
    includes = unit_includes(root / "platform")
    faults = []
    for unit, included in sorted(includes.items()):
        folder = unit.split("/")[0] if "/" in unit else None
        if folder not in rank:
            faults.append(f"{unit}: not in a folder that docs/architecture.md lists")
            continue
        for other in sorted(included):
            if other not in includes:
                faults.append(f"{unit} includes platform/{other}, which does not exist")
            elif rank.get(other.split("/")[0], len(order)) > rank[folder]:
                faults.append(f"{unit} ({folder}/) includes {other}, a folder above it")
    for unit, included in sorted(includes.items()):
        for other in sorted(included):
            if unit < other and unit in includes.get(other, ()):
                faults.append(f"{unit} and {other} include each other")
    for group in cycles(includes):
        faults.append("these units include each other through a chain: " + ", ".join(group))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
