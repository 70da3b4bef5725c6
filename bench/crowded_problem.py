#!/usr/bin/python3
# Writes the crowded problem file bench/frame-cost.sh plays: pieces over and around both pans.
#
#   crowded_problem.py OUT.trv [--pieces N] [--seed S]
#
# The same seed always gives the same file, so figures taken months apart load the same scene.
# Most pieces start far above the top edge (loading lifts every piece 300 pixels more), so the
# window has pieces falling and stacking for several seconds, not just one settling burst.
import argparse
import random

# The window's scene is 949 x 417 pixels; at rest the pans span x 30-445 and 504-919, their tops
# at y 292. Once the pieces on the pans reach the top edge, what lands later lands out of sight;
# pieces dropped beside the pans, in the gap between them and past either end, fall through the
# whole scene and out of it, so the window has something moving all the time pieces still fall.
PAN_LANES = [(30, 400), (504, 874)]         # a whole piece over a pan: nothing overhangs a lane
THROUGH_LANES = [(-44, -16), (446, 458), (920, 948)]  # touching neither pan nor what stands on one
THROUGH_SHARE = 0.25
# Pieces saved below the top edge (above the pans' level) come down at once and fill the pans.
LOW_SHARE = 0.15
LOW_Y_MAX = 240
# The rest start far above the top edge (and loading lifts every piece 300 pixels more), at
# heights from which they reach the scene over the first ARRIVAL_STEPS reality steps (10 ms
# each), spread evenly in time. Pieces gain 0.5 pixel per step per step, so one falling freely
# for s steps comes down 0.25 s^2 pixels: heights drawn evenly instead would bring most of them
# down in the first second and a half. 600 steps keep every start below the 100000 pixels above
# the scene where the program puts pieces saved higher still, so the file means the same scene to
# builds from before that limit and after it.
ARRIVAL_STEPS = 600

# Hidden values as a saved file masks them: (k + 13) x 13 + value, with k = 5.
X_VALUE = 7
Y_VALUE = 3
MASK_K = 5

KINDS = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 21]


def mass_of(kind):
    # The mass a saved file gives each kind: the digit, 0 for the zero cube, the hidden values
    # for X and Y, 1 for a smiley.
    return {10: 0, 11: X_VALUE, 12: Y_VALUE, 21: 1}.get(kind, kind)


def pieces(count, seed):
    rng = random.Random(seed)
    out = []
    for _ in range(count):
        kind = rng.choice(KINDS)
        through = rng.random() < THROUGH_SHARE
        x = rng.randint(*rng.choice(THROUGH_LANES if through else PAN_LANES))
        if not through and rng.random() < LOW_SHARE / (1 - THROUGH_SHARE):
            y = rng.randint(0, LOW_Y_MAX)
        else:
            steps = rng.uniform(0, ARRIVAL_STEPS)
            y = -1 - round(0.25 * steps * steps)
        out.append((x, y, mass_of(kind), kind))
    return out


def main():
    parser = argparse.ArgumentParser(description="Writes the crowded problem file.")
    parser.add_argument("out")
    parser.add_argument("--pieces", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=20260)
    args = parser.parse_args()

    mask = (MASK_K + 13) * 13
    lines = ["# Tarvelo file - 10:00:00 - 01/02/2026", str(mask + X_VALUE), str(mask + Y_VALUE)]
    chosen = pieces(args.pieces, args.seed)
    lines.append(str(len(chosen)))
    for x, y, mass, kind in chosen:
        lines += [str(x), str(y), str(mass), str(kind)]
    # CR LF line ends, as the program writes its own files.
    with open(args.out, "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")


if __name__ == "__main__":
    main()
