#!/usr/bin/env python3
"""Host probe benchmark under Wine: prints figures, asserts nothing.

Usage: bench_probe.py BUILD_DIR   (e.g. build/win32)
Runs inside its own network namespace, like the Wine tests. Compares the probe of an answering
loopback host with a raw echo round trip in the same namespace, and times a silent host (four
requests of 500 ms) and a name that cannot be resolved.
"""
import os
import re
import shutil
import socket
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import winehost  # noqa: E402

ANSWERING = '127.0.0.5'
SILENT = '127.0.0.9'


def raw_echo_ms(address, count=20):
    """Round trips of plain echo requests, by ping(8) when installed, else by a raw socket."""
    if shutil.which('ping'):
        out = subprocess.run(['ping', '-c', str(count), '-i', '0.01', address],
                             capture_output=True, text=True).stdout
        return sorted(float(t) for t in re.findall(r'time=([\d.]+) ms', out))
    times = []
    with socket.socket(socket.AF_INET, socket.SOCK_RAW, socket.IPPROTO_ICMP) as sock:
        sock.settimeout(1)
        for sequence in range(count):
            header = struct.pack('!BBHHH', 8, 0, 0, 0x7664, sequence)
            payload = b'abcdefghijklmnopqrstuvwabcdefghi'
            packet = header + payload
            total = sum(struct.unpack(f'!{len(packet) // 2}H', packet))
            total = (total >> 16) + (total & 0xFFFF)
            checksum = ~(total + (total >> 16)) & 0xFFFF
            packet = struct.pack('!BBHHH', 8, 0, checksum, 0x7664, sequence) + payload
            start = time.perf_counter()
            sock.sendto(packet, (address, 0))
            while True:
                reply = sock.recv(1024)
                icmp_type, _, _, ident, seq = struct.unpack('!BBHHH', reply[20:28])
                if icmp_type == 0 and ident == 0x7664 and seq == sequence:
                    break
            times.append((time.perf_counter() - start) * 1000)
    return sorted(times)


def probe_figures(host, target, count):
    line = host.run_netcheck('bench', target, str(count), timeout=600)[-1]
    return dict(re.findall(r'(\w+)=(\S+)', line))


def main():
    winehost.ensure_private_network()
    host = winehost.WineHost(os.path.abspath(sys.argv[1]))
    try:
        host.start()
        raw = raw_echo_ms(ANSWERING)
        tool = 'ping -c' if shutil.which('ping') else 'raw socket'
        print(f'raw echo round trip to {ANSWERING} ({tool}, n={len(raw)}): '
              f'min {raw[0]:.3f} median {raw[len(raw) // 2]:.3f} max {raw[-1]:.3f} ms')
        host.echo_filter.silence(SILENT)
        for label, target, count in (('answering loopback host', ANSWERING, 50),
                                     ('answering host by name (localhost)', 'localhost', 50),
                                     ('silent host (4 x 500 ms expected)', SILENT, 3),
                                     ('unresolvable name', 'no-such-host.invalid', 20)):
            f = probe_figures(host, target, count)
            print(f'Ping1, {label}: n={f["n"]} answered={f["answered"]} '
                  f'min {float(f["min"]):.3f} median {float(f["median"]):.3f} '
                  f'max {float(f["max"]):.3f} ms')
    finally:
        host.stop()
    return 0


if __name__ == '__main__':
    sys.exit(main())
