#!/usr/bin/env python3
"""Integration tests: the real Vardeko.exe under Wine, driven by the cross-compiled test driver.

Usage: run_wine_tests.py BUILD_DIR [TEST_NAME_SUBSTRING]
Runs inside its own network namespace (re-executing itself under `unshare --net`).
Ends with the line "N passed, N failed".
"""
import glob
import importlib
import os
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import winehost  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
# Every test_*.py beside this file; each test is a function test_*(host).
TEST_MODULES = [importlib.import_module(os.path.basename(p)[:-3])
                for p in sorted(glob.glob(os.path.join(HERE, 'test_*.py')))]


def main():
    winehost.ensure_private_network()
    build_dir = os.path.abspath(sys.argv[1])
    wanted = sys.argv[2] if len(sys.argv) > 2 else ''
    host = winehost.WineHost(build_dir)
    passed = failed = 0
    started = time.monotonic()
    try:
        host.start()
        print(f'wine prefix ready in {time.monotonic() - started:.1f} s', flush=True)
        for module in TEST_MODULES:
            for name in sorted(n for n in dir(module) if n.startswith('test_')):
                if wanted not in name:
                    continue
                t0 = time.monotonic()
                try:
                    getattr(module, name)(host)
                    passed += 1
                    print(f'PASS {name} ({time.monotonic() - t0:.1f} s)', flush=True)
                except Exception:  # noqa: BLE001 - every failure is reported, then the run goes on
                    failed += 1
                    print(f'FAIL {name}', flush=True)
                    traceback.print_exc(file=sys.stdout)
    finally:
        host.stop()
    print(f'{passed} passed, {failed} failed')
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == '__main__':
    sys.exit(main())
