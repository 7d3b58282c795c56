"""The monitor in the real program: a file server goes down and comes back.

The host answers real ICMP on loopback; nft makes it silent. The drive is connected through the
test network provider. The program's own timer drives the cycles, so the test takes about 80 seconds.
"""
import os
import time

from test_main_window import wait_exit
from test_persistence_and_grid import grid, ini_bytes, start

SERVER = '127.0.0.7'


def follow_cycles(host, expected_rows):
    """Records the first grid row each time the program's own 10-second timer changes it, until
    as many rows as expected were seen; then compares. A silent host's cycle takes 2 s, so every
    state stays on screen for about 8 s."""
    seen = []
    last = grid(host)[1][0]
    deadline = time.monotonic() + 12 * len(expected_rows) + 10
    while len(seen) < len(expected_rows) and time.monotonic() < deadline:
        row = grid(host)[1][0]
        if row != last:
            seen.append(row)
            last = row
        time.sleep(0.5)
    assert seen == expected_rows, f'rows seen {seen}'


def test_monitor_app_drops_a_drive_after_the_tolerated_failures_and_reconnects_it(host):
    host.serve_shares([(SERVER, 'public', 'alice', 'secret')])
    host.provider_calls(clear=True)
    prepared = ini_bytes([
        ('DriveCount', b'1'),
        ('HostName0', SERVER.encode()), ('UserName0', b'alice'), ('Password0', b'secret'),
        ('UNC0', b'public'), ('Drive0', b'Q:'), ('MaxPing0', b'5'),
    ])
    echo = host.echo_filter
    path, proc = start(host, 'monitorapp', prepared)
    try:
        before = echo.echo_requests(SERVER)
        follow_cycles(host, [[SERVER, 'True', '0', 'Q:', 'public', 'True']])
        assert echo.echo_requests(SERVER) - before == 1, 'an answering host costs one request'
        assert any('add' in c.lower() and 'Q:' in c for c in host.provider_calls()), \
            host.provider_calls()

        host.provider_calls(clear=True)
        echo.silence(SERVER)
        follow_cycles(host, [[SERVER, 'False', str(n), 'Q:', 'public', 'True'] for n in range(1, 6)]
                      + [[SERVER, 'False', '1', 'Q:', 'public', 'False']])
        assert any('cancel' in c.lower() and 'Q:' in c for c in host.provider_calls()), \
            host.provider_calls()

        echo.answer(SERVER)
        follow_cycles(host, [[SERVER, 'True', '0', 'Q:', 'public', 'True']])
        with open(os.path.join(path, 'Vardeko.ini'), 'rb') as f:
            assert f.read() == prepared, 'the monitor writes nothing to the settings file'
    finally:
        echo.answer(SERVER)
        host.run_driver('close', 'TForm1', 'Vardeko')
        wait_exit(proc)
        host.run_netcheck('del', 'Q:')
