#!/usr/bin/python3
"""Draws the rating key against the puzzle number for the three levels,
before and after a change of the bank.

Usage: plot-ramp.py BEFORE AFTER OUT.png
BEFORE and AFTER are outputs of `bankgen rate FILE`."""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

# The places whose pairs are imposed: the quoted pairs and level 2's
# 19-given puzzles.
FIXED = {1: {1, 2}, 2: {1, 13, 14, 15, 31, 35, 46, 47, 58, 74, 80}, 3: {1, 151}}
COLOURS = {1: "#2a9d3f", 2: "#e08a00", 3: "#c0392b"}
NAMES = {1: "1 Egyszerű", 2: "2 Közepes", 3: "3 Nehéz"}


def read(path):
    levels = {1: [], 2: [], 3: []}
    with open(path, encoding="utf-8") as f:
        next(f)
        for line in f:
            level, number, hardest, effort = line.split()[:4]
            levels[int(level)].append((int(number), float(hardest), float(effort)))
    return levels


def draw(axes, levels, title):
    top, bottom = axes
    for level, rows in levels.items():
        for row, (ax, column) in enumerate(((top, 1), (bottom, 2))):
            free = [(x[0], x[column]) for x in rows if x[0] not in FIXED[level]]
            fixed = [(x[0], x[column]) for x in rows if x[0] in FIXED[level]]
            ax.plot([p[0] for p in free], [p[1] for p in free], ".", ms=4,
                    color=COLOURS[level], label=f"level {NAMES[level]}" if row == 0 else None)
            ax.plot([p[0] for p in fixed], [p[1] for p in fixed], "o", ms=5, mfc="none",
                    color=COLOURS[level])
    top.set_title(title)
    top.set_ylabel("hardest step (Sudoku Explainer scale)")
    bottom.set_ylabel("effort")
    bottom.set_xlabel("puzzle number (open circles: fixed places)")
    top.set_yscale("log")
    top.set_yticks([1.2, 1.5, 2, 2.3, 2.6, 3, 3.4, 4, 5, 7])
    top.set_yticklabels(["1.2", "1.5", "2.0", "2.3", "2.6", "3.0", "3.4", "4.0", "5.0", "7.0"])
    top.minorticks_off()
    for ax in axes:
        ax.set_xlim(0, 152)
        ax.grid(alpha=0.3)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    fig, axes = plt.subplots(2, 2, figsize=(12, 7.5), sharex=True, sharey="row")
    draw(axes[:, 0], read(sys.argv[1]), "before: targets shuffled across numbers")
    draw(axes[:, 1], read(sys.argv[2]), "after: free places in rising key")
    axes[0, 0].legend(loc="upper left")
    fig.suptitle("Rating key by puzzle number: hardest step first, ties broken by effort")
    fig.tight_layout()
    fig.savefig(sys.argv[3], dpi=80)


if __name__ == "__main__":
    main()
