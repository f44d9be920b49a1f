#!/usr/bin/env python3
"""Makes a data directory as a pipeline leaves it: N networks with a lambda
file and a gamma file each, plus about 1% lambda files and 1% gamma files
without a partner.

    make_data.py DIR N [--seed S]
"""
import argparse
import os
import random


def make(directory, networks, seed=1):
    rng = random.Random(seed)
    os.makedirs(directory, exist_ok=True)

    def write(name, value):
        with open(os.path.join(directory, name), "w", newline="\n") as f:
            f.write(f"{value:.6f}\n")

    unmatched = max(1, networks // 100)
    for k in range(networks):
        stem = f"sub-{k:06d}_ses-{k % 3 + 1:02d}_task-rest_atlas-schaefer400"
        write(stem + "_lambda.txt", rng.uniform(1.0, 1.3))
        write(stem + "_gamma.txt", rng.uniform(1.5, 4.0))
    for k in range(unmatched):
        write(f"sub-x{k:06d}_task-rest_lambda.txt", rng.uniform(1.0, 1.3))
        write(f"sub-y{k:06d}_task-rest_gamma.txt", rng.uniform(1.5, 4.0))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("directory")
    parser.add_argument("networks", type=int)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    make(args.directory, args.networks, args.seed)


if __name__ == "__main__":
    main()
